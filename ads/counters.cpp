// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/counters.h"

#include <QCoreApplication>

CounterColour counterColour(int length, int limit)
{
    if (length < limit)
        return CounterColour::Green;
    return length == limit ? CounterColour::Orange : CounterColour::Red;
}

QString lineBreakHint(int length, int width)
{
    // The preview breaks nothing for widths of 5 or less; the hint must not promise a break.
    if (width <= 5)
        return QCoreApplication::translate("MainWindow", "(Newline disabled)");
    const int remaining = width * (length / width + 1) - length;
    // The number goes in by replacement, never through printf: a translation is data.
    return QCoreApplication::translate("MainWindow", "(Newline after: %i chars)")
        .replace(QLatin1String("%i"), QString::number(remaining));
}

namespace {
// The counter labels, by colour, as whole translatable messages.
const char *const titleMessages[] = {
    QT_TRANSLATE_NOOP(
        "MainWindow",
        "<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
        "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
        "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
        "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span "
        "style=\" color:green;\">%1</span> of %2 chars</p></body></html>"),
    QT_TRANSLATE_NOOP(
        "MainWindow",
        "<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
        "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
        "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
        "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span "
        "style=\" color:orange;\">%1</span> of %2 chars</p></body></html>"),
    QT_TRANSLATE_NOOP(
        "MainWindow",
        "<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
        "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
        "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
        "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span "
        "style=\" color:red;\">%1</span> of %2 chars</p></body></html>"),
};
const char *const textMessages[] = {
    QT_TRANSLATE_NOOP(
        "MainWindow",
        "<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
        "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
        "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
        "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span "
        "style=\" color:green;\">%1</span> of %2 chars</p><br>%3</body></html>"),
    QT_TRANSLATE_NOOP(
        "MainWindow",
        "<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
        "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
        "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
        "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span "
        "style=\" color:orange;\">%1</span> of %2 chars</p><br>%3</body></html>"),
    QT_TRANSLATE_NOOP(
        "MainWindow",
        "<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
        "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
        "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
        "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span "
        "style=\" color:red;\">%1</span> of %2 chars</p><br>%3</body></html>"),
};

QString message(const char *const messages[], int length, int limit)
{
    return QCoreApplication::translate("MainWindow", messages[int(counterColour(length, limit))]);
}
} // namespace

QString counterMessage(int length, int limit)
{
    return message(titleMessages, length, limit)
        .arg(QString::number(length), QString::number(limit));
}

QString textCounterMessage(int length, int limit, const QString &hint)
{
    return message(textMessages, length, limit)
        .arg(QString::number(length), QString::number(limit), hint);
}
