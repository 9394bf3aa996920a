// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/markup.h"

#include "ads/counters.h"

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {
QLatin1StringView colourName(CounterColour colour)
{
    switch (colour) {
    case CounterColour::Green:
        return "green"_L1;
    case CounterColour::Orange:
        return "orange"_L1;
    case CounterColour::Red:
        break;
    }
    return "red"_L1;
}

// One label for every field and colour; `below` follows the count's paragraph.
QString counterLabel(int length, int limit, const QString &below)
{
    return QCoreApplication::translate(
               "MainWindow",
               "<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
               "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
               "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
               "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span "
               "style=\" color:%1;\">%2</span> of %3 chars</p>%4</body></html>")
        .arg(colourName(counterColour(length, limit)),
             QString::number(length),
             QString::number(limit),
             below);
}
} // namespace

QString counterMessage(int length, int limit)
{
    return counterLabel(length, limit, QString());
}

QString textCounterMessage(int length, int limit, const QString &hint)
{
    return counterLabel(length, limit, "<br>"_L1 + hint);
}

QString problemsText(const QList<Finding> &problems)
{
    QStringList lines;
    for (const Finding &p : problems) {
        const CounterColour colour
            = p.severity == Severity::Error ? CounterColour::Red : CounterColour::Orange;
        lines.append(u"<span style=\" color:%1;\">%2</span>"_s.arg(
            colourName(colour),
            QCoreApplication::translate("MainWindow", "%1: %2")
                .arg(fieldName(p.field, p.index), p.message)
                .toHtmlEscaped()));
    }
    return lines.join("<br>"_L1);
}
