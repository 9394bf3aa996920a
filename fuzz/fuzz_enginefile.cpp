// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the engine file "files/fuzz.xml": every field is read, the catalogue is
// rebuilt, and the values read are written back and must read back as written.
//
// Input: the whole input is the file. When it starts with a line of fewer than 64 bytes
// that holds no '<', that line also names one more field to read ("Foo\n<Engine>...").
#include "app/globals.h"
#include "engines/catalogue.h"
#include "engines/enginefile.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void check(bool ok, const char *what, const QString &detail = QString())
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz_enginefile: %s\n%s\n", what, qUtf8Printable(detail));
    std::abort();
}

// What XML 1.0 can hold, written independently of the program's own filter.
bool isXmlChar(char32_t c)
{
    return c == 0x09 || c == 0x0A || c == 0x0D || (c >= 0x20 && c <= 0xD7FF)
           || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

QString xmlChars(const QString &value)
{
    QString kept;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += value.at(++i);
        } else if (!c.isSurrogate() && isXmlChar(c.unicode())) {
            kept += c;
        }
    }
    return kept;
}

// A temporary application directory with an engines folder, for the whole run.
const QString &enginesFolder()
{
    static QTemporaryDir application;
    static const QString folder = [] {
        check(application.isValid(), "no temporary directory");
        App::setApplicationDirectory(application.path());
        const QString path = application.path() + QStringLiteral("/files");
        check(QDir().mkpath(path), "cannot create the engines folder");
        return path;
    }();
    return folder;
}

const QString engine = QStringLiteral("fuzz");
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString folder = enginesFolder();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    QString extraField;
    const qsizetype newline = bytes.indexOf('\n');
    if (newline >= 0 && newline < 64 && !bytes.left(newline).contains('<'))
        extraField = QString::fromUtf8(bytes.left(newline));

    {
        QFile file(folder + QStringLiteral("/fuzz.xml"));
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input");
        check(file.write(bytes) == bytes.size(), "short write");
    }

    const QString name = readEngineValue(engine, QStringLiteral("Name"));
    const QString symbol = readEngineValue(engine, QStringLiteral("Symbol"));
    const int limitTitle = engineNumber(readEngineValue(engine, QStringLiteral("limitTitle")));
    const int limitText = engineNumber(readEngineValue(engine, QStringLiteral("limitText")));
    const int limitURL = engineNumber(readEngineValue(engine, QStringLiteral("limitURL")));
    const int listPosition = engineNumber(readEngineValue(engine, QStringLiteral("listPosition")));
    const int textLineBreak
        = engineNumber(readEngineValue(engine, QStringLiteral("textLineBreak")));
    const QString templateText = readEngineValue(engine, QStringLiteral("template"));
    engineNumber(name);
    engineNumber(symbol);
    engineNumber(templateText);
    const QString extraValue = readEngineValue(engine, extraField);
    engineNumber(extraValue);
    // A value is never longer than its file: nothing (an entity, say) may blow a file up.
    for (const QString *value : {&name, &symbol, &templateText, &extraValue})
        check(value->size() <= bytes.size(), "a value longer than its file", value->left(200));

    // Whatever the file holds, the catalogue lists it, once, and draws some icon for it.
    const QStringList names = orderedEngineNames();
    check(names == QStringList{engine}, "the catalogue lost or invented engines", names.join(u'|'));
    const QString icon = engineIconPath(engine);
    check(icon == symbol || icon == QStringLiteral("img/unknown.png"), "odd icon path", icon);

    // Escaping makes a character at most six ("&quot;"): only huge values fail to fit.
    const bool written = writeEngineFile(engine,
                                         symbol,
                                         uint(limitTitle),
                                         uint(limitText),
                                         uint(limitURL),
                                         listPosition,
                                         textLineBreak,
                                         templateText);
    if (!written) {
        check(6 * (symbol.size() + templateText.size()) > maxEngineFileSize - 1024,
              "writing back failed");
        return 0;
    }
    const auto same = [](const char *field, const QString &expected) {
        const QString read = readEngineValue(engine, QString::fromLatin1(field));
        check(read == expected,
              field,
              QStringLiteral("expected [%1]\nread     [%2]").arg(expected, read));
    };
    same("Name", engine);
    same("Symbol", xmlChars(symbol));
    same("limitTitle", QString::number(uint(limitTitle)));
    same("limitText", QString::number(uint(limitText)));
    same("limitURL", QString::number(uint(limitURL)));
    same("listPosition", QString::number(listPosition));
    same("textLineBreak", QString::number(textLineBreak));
    same("template", xmlChars(templateText));
    static const QStringList fields{QStringLiteral("Name"),
                                    QStringLiteral("Symbol"),
                                    QStringLiteral("limitTitle"),
                                    QStringLiteral("limitText"),
                                    QStringLiteral("limitURL"),
                                    QStringLiteral("listPosition"),
                                    QStringLiteral("textLineBreak"),
                                    QStringLiteral("template")};
    if (!fields.contains(extraField))
        check(readEngineValue(engine, extraField).isEmpty(), "a field that was never written");
    return 0;
}
