// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/markup.h"

#include "testsupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class tst_Markup : public QObject
{
    Q_OBJECT

private slots:
    void counterMessages_data();
    void counterMessages();
    void problemsText();
};

namespace {
const QString &preamble = TestSupport::richTextPreamble;
const QString &paragraph = TestSupport::labelParagraph;

QString counterLine(const QString &colour, const QString &length, const QString &limit)
{
    return preamble + paragraph + u"<span style=\" color:"_s + colour + u";\">"_s + length
           + u"</span> of "_s + limit + u" chars</p>"_s;
}
} // namespace

void tst_Markup::counterMessages_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("colour");

    QTest::addRow("0 of 0") << 0 << 0 << u"orange"_s;
    QTest::addRow("0 of 25") << 0 << 25 << u"green"_s;
    QTest::addRow("24 of 25") << 24 << 25 << u"green"_s;
    QTest::addRow("25 of 25") << 25 << 25 << u"orange"_s;
    QTest::addRow("26 of 25") << 26 << 25 << u"red"_s;
    QTest::addRow("2300 of 90") << 2300 << 90 << u"red"_s;
    QTest::addRow("1 of 0") << 1 << 0 << u"red"_s;
}

void tst_Markup::counterMessages()
{
    QFETCH(int, length);
    QFETCH(int, limit);
    QFETCH(QString, colour);

    const QString line = counterLine(colour, QString::number(length), QString::number(limit));
    QCOMPARE(counterMessage(length, limit), line + u"</body></html>"_s);
    QCOMPARE(textCounterMessage(length, limit, u"(Newline after: 7 chars)"_s),
             line + u"<br>(Newline after: 7 chars)</body></html>"_s);
    // The hint goes in as it is, even when it looks like a placeholder.
    QCOMPARE(textCounterMessage(length, limit, u"%1 %2"_s), line + u"<br>%1 %2</body></html>"_s);
}

void tst_Markup::problemsText()
{
    QCOMPARE(::problemsText({}), QString());
    const QString text = ::problemsText(
        {{AdField::Title, Severity::Warning, u"\"FREE\" is written in capitals."_s},
         {AdField::Title, Severity::Error, u"The same as title 1."_s, 6},
         {AdField::URL, Severity::Error, u"\"<b>\" looks like markup."_s},
         {AdField::Ad, Severity::Error, u"Needs 1 more text."_s}});
    QCOMPARE(text,
             u"<span style=\" color:orange;\">Title: &quot;FREE&quot; is written in "
             "capitals.</span><br><span style=\" color:red;\">Title 7: The same as title "
             "1.</span><br><span style=\" color:red;\">URL: &quot;&lt;b&gt;&quot; looks "
             "like markup.</span><br><span style=\" color:red;\">Ad: Needs 1 more text.</span>"_s);
}

QTEST_GUILESS_MAIN(tst_Markup)
#include "tst_markup.moc"
