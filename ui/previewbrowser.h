// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPair>
#include <QTextBrowser>
#include <QVariant>

// The preview browser. Every resource a template names (images, backgrounds, style sheets)
// passes one gate: only a regular file within the caps of ads/templateresources.h, images also
// within the pixel cap; anything else shows as a missing image. What the gate loads is kept
// until the next engine is chosen, so typing never reads a file again.
//
// Without Q_OBJECT on purpose: to Qt and to the form it is the QTextBrowser it stands for.
class PreviewBrowser : public QTextBrowser
{
public:
    explicit PreviewBrowser(QWidget *parent = nullptr);

    // Forgets every resource loaded so far; relative references then resolve in the first
    // search path. Call when another engine is chosen.
    void forgetResources();

    // How many files the gate has opened since the last forgetResources().
    int filesOpened() const { return m_filesOpened; }

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    QVariant load(int type, const QString &path);
    QVariant loadImage(const QByteArray &bytes);

    QHash<QPair<int, QString>, QVariant> m_loaded;
    qint64 m_bytesSpent = 0;
    int m_filesOpened = 0;
};

// Forgets the loaded resources of `browser` when it is a PreviewBrowser.
void forgetPreviewResources(QTextBrowser *browser);
