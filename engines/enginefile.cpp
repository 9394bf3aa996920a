// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/enginefile.h"

#include "app/globals.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QXmlStreamReader>

QString engineFilePath(const QString &name)
{
    return App::applicationDirectory + QStringLiteral("/files/") + name + QStringLiteral(".xml");
}

bool isAcceptableEngineName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

namespace {
std::function<bool(const QString &)> writeFault;

// Profiles are UTF-8; older 8-bit builds wrote Latin-1, which is rarely valid UTF-8.
QString decodeEngineFile(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

// Qt's serialiser writes characters that XML 1.0 cannot hold as they are, and the whole file
// then fails to parse; they are left out.
QString xmlSafe(const QString &value)
{
    QString safe;
    safe.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            safe.append(c);
            safe.append(value.at(++i));
            continue;
        }
        if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF)
            continue;
        if (u < 0x20 && u != 0x09 && u != 0x0A && u != 0x0D)
            continue;
        safe.append(c);
    }
    return safe;
}

// Profiles nest two levels deep; a document nested deeper than this is no profile.
const int maxNestingDepth = 256;
} // namespace

QString readEngineValue(const QString &name, const QString &field)
{
    if (!isAcceptableEngineName(name))
        return QString();
    // Only regular files, links followed: opening a pipe would wait for a writer forever.
    const QString path = engineFilePath(name);
    if (!QFileInfo(path).isFile())
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Every rebuild of the catalogue reads each file twice, choosing an engine five times more:
    // a huge file would freeze the program each time. Size alone is not the measure either:
    // Qt's XML reader compares each attribute with every earlier one of its element, so a
    // 1 MB file of attributes takes 45 s to read. Reading one byte more than the cap tells a
    // file that is too big.
    const QByteArray bytes = file.read(maxEngineFileSize + 1);
    file.close();
    if (bytes.size() > maxEngineFileSize)
        return QString();

    // Streamed rather than built into a document, since every rebuild of the catalogue reads
    // every file twice. The whole file is still read: a damaged file reads as empty.
    QXmlStreamReader xml(decodeEngineFile(bytes));
    xml.setNamespaceProcessing(false);
    QString value;
    bool found = false;
    int depth = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            // Qt bounds what one entity expands to, not how often it is used: 3000 references
            // to a 4 KB entity make a 9 KB file a 24 MB value. Profiles never declare entities.
            if (!xml.entityDeclarations().isEmpty())
                return QString();
            break;
        case QXmlStreamReader::StartElement:
            if (++depth > maxNestingDepth)
                return QString();
            // Only the root's own children count, and of those only the first of that name.
            if (depth == 2 && !found && xml.qualifiedName() == field) {
                found = true;
                value = xml.attributes().value(QLatin1String("value")).toString();
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return xml.hasError() ? QString() : value;
}

bool writeEngineFile(const QString &name,
                     const QString &symbol,
                     uint limitTitle,
                     uint limitText,
                     uint limitURL,
                     int listPosition,
                     int textLineBreak,
                     const QString &templateText)
{
    if (!isAcceptableEngineName(name) || (writeFault && writeFault(name)))
        return false;

    QDomDocument document;
    QDomElement root = document.createElement(QStringLiteral("Engine"));
    document.appendChild(root);
    const auto addField = [&](const char *tag, const QString &value) {
        QDomElement element = document.createElement(QString::fromLatin1(tag));
        element.setAttribute(QStringLiteral("value"), xmlSafe(value));
        root.appendChild(element);
    };
    addField("Name", name);
    addField("Symbol", symbol);
    addField("limitTitle", QString::number(limitTitle));
    addField("limitText", QString::number(limitText));
    addField("limitURL", QString::number(limitURL));
    addField("listPosition", QString::number(listPosition));
    addField("textLineBreak", QString::number(textLineBreak));
    addField("template", templateText);

    const QByteArray bytes = document.toByteArray(0);
    // A file that would read as empty is not written.
    if (bytes.size() > maxEngineFileSize)
        return false;
    QSaveFile file(engineFilePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void setEngineWriteFault(std::function<bool(const QString &name)> fails)
{
    writeFault = std::move(fails);
}

int engineNumber(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return ok ? number : 0;
}
