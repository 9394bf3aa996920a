// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An arbitrary template, title, text, URL, limits and line-break width through the preview and
// the counters, checked against what they promise.
//
// Input: byte 0 is a separator, byte 1 the encoding of the texts ('w': raw UTF-16LE code
// units, lone surrogates included; anything else: UTF-8). The rest, split at the separator:
//   template, title, text, URL, limitTitle, limitText, limitURL, textLineBreak
// Missing parts are empty; numbers are read as an engine file's are (0 when not a number).
#include "ads/counters.h"
#include "ads/preview.h"
#include "engines/enginefile.h"
#include "ui/markup.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void check(bool ok, const char *what, const QString &detail = QString())
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz_preview: %s\n%s\n", what, qUtf8Printable(detail));
    std::abort();
}

bool hasLoneSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

// The placeholders replaced left to right, one position at a time, never rescanning a value.
QString naiveSubstitute(const QString &templateText,
                        const QString &url,
                        const QString &title,
                        const QString &text)
{
    // Titles 2 and 3 and text 2 show nothing when only title 1 and text 1 are given.
    const QString none;
    const std::pair<QString, const QString *> placeholders[] = {{QStringLiteral("%URL%"), &url},
                                                                {QStringLiteral("%TITLE%"), &title},
                                                                {QStringLiteral("%TEXT%"), &text},
                                                                {QStringLiteral("%TITLE2%"), &none},
                                                                {QStringLiteral("%TITLE3%"), &none},
                                                                {QStringLiteral("%TEXT2%"), &none}};
    QString result;
    qsizetype i = 0;
    while (i < templateText.size()) {
        bool replaced = false;
        for (const auto &[placeholder, value] : placeholders) {
            if (QStringView(templateText).mid(i).startsWith(placeholder)) {
                result += *value;
                i += placeholder.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            result += templateText.at(i++);
    }
    return result;
}

void checkPrepared(const QString &text, int limit)
{
    const QString empty = QStringLiteral("<empty>");
    const QString prepared = prepareField(text, limit, empty);
    if (text.isEmpty()) {
        check(prepared == empty, "an empty field must show the example value");
        return;
    }
    const qsizetype keep = qMax(limit, 0);
    if (text.size() <= keep) {
        check(prepared == text, "a field within its limit must stay whole");
        return;
    }
    check(prepared.endsWith(QStringLiteral("...")), "a cut field lacks the ellipsis", prepared);
    const QString kept = prepared.chopped(3);
    check(text.startsWith(kept), "a cut field is no prefix of the field", prepared);
    check(kept.size() == keep || kept.size() == keep - 1,
          "a cut field has the wrong length",
          QString::number(kept.size()));
    if (limit >= 0)
        check(prepared.size() <= qint64(limit) + 3, "longer than limit + 3");
    if (!hasLoneSurrogate(text))
        check(!hasLoneSurrogate(prepared), "a cut split a surrogate pair", prepared);
}

void checkLines(const QString &text, int width)
{
    const QStringList lines = breakIntoLines(text, width);
    check(lines.join(QString()) == text, "the lines do not join to the text");
    if (width <= 5) {
        check(lines.size() == 1, "a width of 5 or less broke the text");
        return;
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        check(lines.at(i).size() <= width, "a line longer than the width");
        // A break falls at the width, or one before it to keep a surrogate pair whole.
        if (i + 1 < lines.size())
            check(lines.at(i).size() >= width - 1, "a line broken too early");
        if (!hasLoneSurrogate(text))
            check(!hasLoneSurrogate(lines.at(i)), "a break split a surrogate pair", lines.at(i));
    }
}

void checkCounters(int length, int limit, int width)
{
    const QString hint = lineBreakHint(length, width);
    if (width <= 5) {
        check(hint == QStringLiteral("(Newline disabled)"), "a hint promises a break", hint);
    } else {
        const int remaining = width - length % width;
        check(hint == QStringLiteral("(Newline after: %1 chars)").arg(remaining),
              "wrong line-break hint",
              hint);
    }
    const char *colour = length < limit ? "green" : length == limit ? "orange" : "red";
    const QString number = QStringLiteral(">%1</span> of %2 chars").arg(length).arg(limit);
    const QString message = counterMessage(length, limit);
    check(message.contains(QString::fromLatin1(colour)) && message.contains(number),
          "wrong counter message",
          message);
    const QString textMessage = textCounterMessage(length, limit, hint);
    check(textMessage.contains(QString::fromLatin1(colour)) && textMessage.contains(number)
              && textMessage.contains(QStringLiteral("<br>") + hint),
          "wrong text counter message",
          textMessage);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The counters translate their texts, which needs an application object.
    static int argc = 1;
    static char name[] = "fuzz_preview";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);

    if (size < 2)
        return 0;
    const char separator = char(data[0]);
    const bool wide = data[1] == 'w';
    QByteArrayList parts = QByteArray(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2))
                               .split(separator);
    while (parts.size() < 8)
        parts.append(QByteArray());
    const auto text = [&](int i) {
        const QByteArray &part = parts.at(i);
        if (!wide)
            return QString::fromUtf8(part);
        return QString(reinterpret_cast<const QChar *>(part.constData()), part.size() / 2);
    };
    const auto number = [&](int i) { return engineNumber(QString::fromUtf8(parts.at(i))); };

    const QString templateText = text(0);
    const AdFields fields{text(1), text(2), text(3)};
    const int limitTitle = number(4);
    const int limitText = number(5);
    const int limitURL = number(6);
    const int width = number(7);

    checkPrepared(fields.title, limitTitle);
    checkPrepared(fields.text, limitText);
    checkPrepared(fields.url, limitURL);
    checkLines(fields.text, width);
    checkLines(prepareField(fields.text, limitText, exampleText), width);

    // Values free of '%' can never form a placeholder with the template around them.
    const QString plain = QStringLiteral("[v]");
    const QString filled = substitutePlaceholders(templateText, plain, plain, plain);
    check(filled == naiveSubstitute(templateText, plain, plain, plain), "substitution differs");
    const QString typed
        = substitutePlaceholders(templateText, fields.url, fields.title, fields.text);
    check(typed == naiveSubstitute(templateText, fields.url, fields.title, fields.text),
          "substitution of typed values differs");

    const QString preview
        = renderPreview(templateText, fields, limitTitle, limitText, limitURL, width);
    QStringList lines = breakIntoLines(prepareField(fields.text, limitText, exampleText), width);
    for (QString &line : lines)
        line = line.toHtmlEscaped();
    const QString expected
        = naiveSubstitute(templateText,
                          prepareField(fields.url, limitURL, exampleURL).toHtmlEscaped(),
                          prepareField(fields.title, limitTitle, exampleTitle).toHtmlEscaped(),
                          lines.join(QStringLiteral("<BR>")));
    check(preview == expected, "preview differs from its parts", preview);

    checkCounters(int(fields.title.size()), limitTitle, width);
    checkCounters(int(fields.text.size()), limitText, width);
    return 0;
}
