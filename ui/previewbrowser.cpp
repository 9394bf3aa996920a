// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/previewbrowser.h"

#include "ads/templateresources.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTextDocument>

namespace {
// What a refused image shows: Qt's own picture for an image it cannot load. Never a null
// image: for that the document would try the file itself, past the gate.
QImage missingImage()
{
    static const QImage image = [] {
        QImage missing(QStringLiteral(":/qt-project.org/styles/commonstyle/images/file-16.png"));
        if (missing.isNull()) {
            missing = QImage(16, 16, QImage::Format_ARGB32);
            missing.fill(Qt::transparent);
        }
        return missing;
    }();
    return image;
}

QVariant refused(int type)
{
    if (type == QTextDocument::ImageResource)
        return QPixmap::fromImage(missingImage());
    // Not null either, so that the document does not look for the resource itself.
    return QString(QLatin1String(""));
}
} // namespace

PreviewBrowser::PreviewBrowser(QWidget *parent)
    : QTextBrowser(parent)
{}

void PreviewBrowser::forgetResources()
{
    m_loaded.clear();
    m_bytesSpent = 0;
    m_filesOpened = 0;
}

QVariant PreviewBrowser::loadResource(int type, const QUrl &name)
{
    const QString path = templateResourcePath(name, searchPaths().value(0));
    const QPair<int, QString> key(type, path.isEmpty() ? name.toString() : path);
    const auto known = m_loaded.constFind(key);
    if (known != m_loaded.constEnd())
        return *known;
    const QVariant resource = path.isEmpty() ? refused(type) : load(type, path);
    m_loaded.insert(key, resource);
    return resource;
}

QVariant PreviewBrowser::load(int type, const QString &path)
{
    if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource)
        return refused(type);
    const qint64 cap = qMin(maxResourceBytes, maxEngineResourceBytes - m_bytesSpent);
    ++m_filesOpened;
    const std::optional<QByteArray> bytes = readTemplateResource(path, cap);
    if (!bytes)
        return refused(type);
    m_bytesSpent += bytes->size();
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(*bytes);
    return loadImage(*bytes);
}

QVariant PreviewBrowser::loadImage(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The header's size, before anything is decoded; a format that cannot tell is refused.
    const QSize size = reader.size();
    const qint64 decodedBytes = qint64(size.width()) * size.height() * 4;
    if (!size.isValid() || size.isEmpty() || qint64(size.width()) * size.height() > maxImagePixels
        || decodedBytes > maxEngineResourceBytes - m_bytesSpent)
        return refused(QTextDocument::ImageResource);
    // Should the header lie, the decoder still stops at what the pixel cap allows.
    reader.setAllocationLimit(int(maxImagePixels * 4 / (1024 * 1024)) + 1);
    const QImage image = reader.read();
    if (image.isNull())
        return refused(QTextDocument::ImageResource);
    m_bytesSpent += decodedBytes;
    // As a pixmap: the document draws pixmaps, and would convert an image at every paint.
    return QPixmap::fromImage(image);
}

void forgetPreviewResources(QTextBrowser *browser)
{
    if (auto *preview = dynamic_cast<PreviewBrowser *>(browser))
        preview->forgetResources();
}
