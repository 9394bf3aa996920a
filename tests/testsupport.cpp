// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include "app/globals.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace TestSupport {

void isolate()
{
    static QTemporaryDir settingsDir;
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    App::setApplicationDirectory(QCoreApplication::applicationDirPath());
    resetEnginesFolder();
}

QString resetEnginesFolder()
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/files");
    QDir folder(path);
    if (folder.exists())
        folder.removeRecursively();
    QDir().mkpath(path);
    return path;
}

void writeRawFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/files/") + fileName);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(fileName));
    QCOMPARE(file.write(bytes), bytes.size());
}

void onNextModal(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(10, qApp, [answer] {
        if (QWidget *modal = QApplication::activeModalWidget())
            answer(modal);
        else
            onNextModal(answer);
    });
}

void answerNextMessageBox(const QString &buttonText, QString *text)
{
    onNextModal([buttonText, text](QWidget *modal) {
        auto box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            qWarning("expected a message box, found %s", modal->metaObject()->className());
            modal->close();
            return;
        }
        if (text)
            *text = box->text();
        const auto buttons = box->buttons();
        for (QAbstractButton *button : buttons) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        qWarning("no button %s in the message box", qPrintable(buttonText));
        box->reject();
    });
}

} // namespace TestSupport
