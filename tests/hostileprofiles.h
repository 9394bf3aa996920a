// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Engine profiles that once took the program down as it started, each written as the first
// engine of an engines folder, with a harmless engine after it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QtEndian>

#include <sys/stat.h>

namespace HostileProfiles {

inline const QString hostileName = QStringLiteral("Hostile");
inline const QString goodName = QStringLiteral("Good");

// A PNG that is all header: it claims `width` x `height` pixels in a few dozen bytes.
inline QByteArray pngHeader(quint32 width, quint32 height)
{
    QByteArray chunk("IHDR");
    char numbers[8];
    qToBigEndian(width, numbers);
    qToBigEndian(height, numbers + 4);
    chunk.append(numbers, 8);
    chunk.append("\x08\x06\x00\x00\x00", 5);
    quint32 crc = 0xffffffffu;
    for (const char byte : chunk) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    char length[4], check[4];
    qToBigEndian(quint32(13), length);
    qToBigEndian(crc ^ 0xffffffffu, check);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(length, 4) + chunk
           + QByteArray(check, 4);
}

inline QString deepTables(int depth)
{
    return QStringLiteral("<table><tr><td>").repeated(depth) + QStringLiteral("%TITLE%")
           + QStringLiteral("</td></tr></table>").repeated(depth);
}

struct Profile
{
    const char *row;
    QString templateText;
    // What the template needs beside it, made in the engines folder.
    void (*prepare)(const QString &files);
};

inline void nothing(const QString &) {}

inline void pipes(const QString &files)
{
    QDir().mkpath(files + QLatin1Char('/') + hostileName);
    for (const QString &path :
         {files + QStringLiteral("/pipe.png"),
          files + QLatin1Char('/') + hostileName + QStringLiteral("/pipe.png"),
          files + QLatin1Char('/') + hostileName + QStringLiteral("/pipe.css")})
        mkfifo(QFile::encodeName(path).constData(), 0600);
}

inline void hugeImage(const QString &files)
{
    QDir().mkpath(files + QLatin1Char('/') + hostileName);
    QFile image(files + QLatin1Char('/') + hostileName + QStringLiteral("/huge.png"));
    if (image.open(QIODevice::WriteOnly))
        image.write(pngHeader(8000, 8000));
}

inline QList<Profile> profiles()
{
    return {
        {"image from /dev/zero", QStringLiteral("<img src=\"/dev/zero\">%TITLE%"), nothing},
        {"backgrounds from /dev/zero",
         QStringLiteral("<body background=\"/dev/zero\"><table background=\"/dev/zero\"><tr>"
                        "<td background=\"file:///dev/zero\">%TITLE%</td></tr></table></body>"),
         nothing},
        {"image and style sheet from named pipes",
         QStringLiteral("<img src=\"pipe.png\"><img src=\"files/pipe.png\">%TITLE%"
                        "<link rel=\"stylesheet\" type=\"text/css\" href=\"pipe.css\">"),
         pipes},
        {"image of 8000 x 8000 pixels", QStringLiteral("<img src=\"huge.png\">%TITLE%"), hugeImage},
        {"image folder", QStringLiteral("<img src=\"/\"><img src=\".\">%TITLE%"), nothing},
        {"tables nested 24 deep", deepTables(24), nothing},
        {"tables nested 16 deep", deepTables(16), nothing},
    };
}

inline QByteArray engineXml(const QString &name, int position, const QString &templateText)
{
    return QStringLiteral("<Engine><Name value=\"%1\"/><limitTitle value=\"30\"/>"
                          "<limitText value=\"90\"/><limitURL value=\"30\"/>"
                          "<listPosition value=\"%2\"/><textLineBreak value=\"0\"/>"
                          "<template value=\"%3\"/></Engine>\n")
        .arg(name, QString::number(position), templateText.toHtmlEscaped())
        .toUtf8();
}

// Writes the profile as the first engine of `files` and a harmless one after it.
inline bool writeProfile(const QString &files, const Profile &profile)
{
    QDir().mkpath(files);
    profile.prepare(files);
    for (const auto &[name, position, text] :
         {std::tuple(hostileName, 0, profile.templateText),
          std::tuple(goodName, 1, QStringLiteral("<b>%TITLE%</b>"))}) {
        QFile file(files + QLatin1Char('/') + name + QStringLiteral(".xml"));
        if (!file.open(QIODevice::WriteOnly) || file.write(engineXml(name, position, text)) < 0)
            return false;
    }
    return true;
}

} // namespace HostileProfiles
