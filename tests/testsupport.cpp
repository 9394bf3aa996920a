// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include "app/globals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
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

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QList<AdFields> withoutOtherColumns(QList<AdFields> ads)
{
    for (AdFields &ad : ads)
        ad.otherColumns.clear();
    return ads;
}

void writeRawFile(const QString &fileName, const QByteArray &bytes)
{
    writeFile(QCoreApplication::applicationDirPath() + QStringLiteral("/files/") + fileName, bytes);
}

EngineProfile engineProfile(const QString &rules, int title, int text, int url)
{
    EngineProfile profile;
    profile.rules = rules;
    profile.limitTitle = title;
    profile.limitText = text;
    profile.limitURL = url;
    return profile;
}

AdFields adOf(const QStringList &titles,
              const QStringList &texts,
              const QString &url,
              const QString &finalUrl,
              const QList<int> &titlePins,
              const QList<int> &textPins)
{
    AdFields ad;
    for (int i = 0; i < titles.size(); ++i)
        ad.set(AdField::Title, i, titles.at(i));
    for (int i = 0; i < texts.size(); ++i)
        ad.set(AdField::Text, i, texts.at(i));
    ad.url = url;
    ad.finalUrl = finalUrl;
    ad.titlePins = titlePins;
    ad.textPins = textPins;
    return ad;
}

AdFields completeAd(Rules rules, AdFields ad)
{
    static const QStringList titles{QStringLiteral("Roses by the stem"),
                                    QStringLiteral("Tulips in spring"),
                                    QStringLiteral("Lilies for Sunday")};
    static const QStringList texts{QStringLiteral("Bouquets made by hand."),
                                   QStringLiteral("Order before noon.")};
    const AssetFormat &format = assetFormat(rules);
    if (ad.title.trimmed().isEmpty())
        ad.title = titles.first();
    if (ad.text.trimmed().isEmpty())
        ad.text = texts.first();
    for (int i = ad.count(AdField::Title); i < format.minTitles; ++i)
        ad.set(AdField::Title, i, titles.at(i));
    for (int i = ad.count(AdField::Text); i < format.minTexts; ++i)
        ad.set(AdField::Text, i, texts.at(i));
    if (format.wantsFinalURL && ad.finalUrl.isEmpty())
        ad.finalUrl = QStringLiteral("https://example.com/");
    return ad;
}

FileWriter failingWriter(std::function<bool(const QString &baseName)> fails)
{
    return [fails = std::move(fails)](const QString &path, const QByteArray &bytes) {
        return !fails(QFileInfo(path).completeBaseName()) && writeFileAtomically(path, bytes);
    };
}

} // namespace TestSupport
