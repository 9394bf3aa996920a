// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bound on what a template asks of Qt's rich-text layout: the measure reads templates as
// Qt does, never sees fewer nested tables than Qt builds, and typed fields cannot add any.
#include "ads/enginestate.h"
#include "ads/preview.h"
#include "ads/templatelayout.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
QString nested(const QString &open, const QString &close, int depth, const QString &inside = {})
{
    return open.repeated(depth) + inside + close.repeated(depth);
}

QString tables(int depth, const QString &inside = QStringLiteral("x"))
{
    return nested(
        QStringLiteral("<table><tr><td>"), QStringLiteral("</td></tr></table>"), depth, inside);
}

// The deepest nesting of tables in the document Qt builds from `html`.
int qtTableDepth(const QTextFrame *frame)
{
    int deepest = 0;
    const QList<QTextFrame *> children = frame->childFrames();
    for (const QTextFrame *child : children)
        deepest = qMax(deepest, qtTableDepth(child));
    return deepest + (qobject_cast<const QTextTable *>(frame) ? 1 : 0);
}
} // namespace

class tst_TemplateLayout : public QObject
{
    Q_OBJECT

private slots:
    void measure_data();
    void measure();
    void neverBelowQt_data();
    void neverBelowQt();
    void typedFieldsCannotNest_data();
    void typedFieldsCannotNest();
    void placeholderAsTagName();
    void templateMeasuredOnce_data();
    void templateMeasuredOnce();
    void messageNamesTheEngine();
};

void tst_TemplateLayout::measure_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("tableDepth");
    QTest::addColumn<bool>("within");

    const QString cell = QStringLiteral("<td>x</td>");
    QTest::addRow("default template") << defaultTemplate << 3 << 0 << true;
    QTest::addRow("empty") << QString() << 0 << 0 << true;
    QTest::addRow("tables 4 deep") << tables(4) << 12 << 4 << true;
    QTest::addRow("tables 5 deep") << tables(5) << 15 << 5 << false;
    QTest::addRow("tables 24 deep") << tables(24) << 72 << 24 << false;
    QTest::addRow("lists 32 deep") << nested(u"<ul><li>"_s, u"</li></ul>"_s, 32) << 64 << 0 << true;
    QTest::addRow("lists 33 deep")
        << nested(u"<ul><li>"_s, u"</li></ul>"_s, 33) << 66 << 0 << false;
    QTest::addRow("quotes 65 deep")
        << nested(u"<blockquote>"_s, u"</blockquote>"_s, 65) << 65 << 0 << false;
    QTest::addRow("unclosed divs") << u"<div>"_s.repeated(65) << 65 << 0 << false;
    QTest::addRow("paragraphs left open") << u"<p>a"_s.repeated(1000) << 1 << 0 << true;
    QTest::addRow("list items left open")
        << u"<ul>"_s + u"<li>a"_s.repeated(1000) + u"</ul>"_s << 2 << 0 << true;
    QTest::addRow("cells and rows left open")
        << u"<table>"_s + u"<tr><td>a<td>b"_s.repeated(300) + u"</table>"_s << 3 << 1 << true;
    QTest::addRow("a wide flat table")
        << u"<table><tr>"_s + cell.repeated(1001) + u"</tr></table>"_s << 3 << 1 << false;
    QTest::addRow("cells within the work")
        << u"<table><tr>"_s + cell.repeated(800) + u"</tr></table>"_s << 3 << 1 << true;
    QTest::addRow("one cell beyond the work")
        << u"<table><tr>"_s + cell.repeated(801) + u"</tr></table>"_s << 3 << 1 << false;
    QTest::addRow("few cells, deep")
        << tables(3, u"<table><tr>"_s + cell.repeated(300) + u"</tr></table>"_s) << 12 << 4
        << false;
    QTest::addRow("huge colspan") << u"<table><tr><td colspan=1000000>x</td></tr></table>"_s << 3
                                  << 1 << false;
    QTest::addRow("colspan quoted and spaced")
        << u"<table><tr><td colspan = \" 2001\">x</td></tr></table>"_s << 3 << 1 << false;
    QTest::addRow("colspan that is no number")
        << u"<table><tr><td colspan=lots>x</td></tr></table>"_s << 3 << 1 << true;
    QTest::addRow("long text deep in tables")
        << tables(4, u"word "_s.repeated(14000)) << 12 << 4 << false;
    QTest::addRow("tables in a comment") << u"<!--"_s + tables(9) + u"-->"_s << 0 << 0 << true;
    QTest::addRow("unterminated comment") << u"<!--"_s + tables(9) << 0 << 0 << true;
    QTest::addRow("upper case and spaces")
        << nested(u"< TABLE ><TR><Td>"_s, u"</td></tr></table>"_s, 5) << 15 << 5 << false;
    QTest::addRow("quoted > in an attribute")
        << nested(u"<table title='>'><tr><td>"_s, u"</td></tr></table>"_s, 5) << 15 << 5 << false;
    QTest::addRow("links hold what follows")
        << u"<link rel=stylesheet href=a.css>"_s.repeated(70) << 70 << 0 << false;
    QTest::addRow("self-closed tables") << u"<table/>"_s.repeated(50) << 0 << 0 << true;
    QTest::addRow("end tags without start") << u"</table></div>"_s.repeated(50) << 0 << 0 << true;
    QTest::addRow("stray end tags inside")
        << nested(u"<table><tr><td>"_s, u"</b></td></tr></table>"_s, 5) << 15 << 5 << false;
    // Qt reads it as one tag "2" that runs to the end, as no ">" follows.
    QTest::addRow("less-than in text opens an element") << u"1 <2 <3 <4"_s << 1 << 0 << true;
}

void tst_TemplateLayout::measure()
{
    QFETCH(QString, html);
    QFETCH(int, depth);
    QFETCH(int, tableDepth);
    QFETCH(bool, within);

    const TemplateLayout layout = measureTemplateLayout(html);
    QCOMPARE(layout.depth, depth);
    QCOMPARE(layout.tableDepth, tableDepth);
    QCOMPARE(isWithinLayoutBounds(layout), within);
}

void tst_TemplateLayout::neverBelowQt_data()
{
    QTest::addColumn<QString>("html");

    QTest::addRow("closed") << tables(6);
    QTest::addRow("left open") << u"<table><tr><td>"_s.repeated(6);
    QTest::addRow("table straight in a table") << u"<table>"_s.repeated(6);
    QTest::addRow("cell tags only") << u"<table><td><table><td><table><td>x"_s;
    QTest::addRow("end tag names the wrong element")
        << u"<table><tr><td><table><tr><td></table2></td></tr></table>x</table>"_s;
    QTest::addRow("stray cell after a row")
        << u"<table><tr><td>a</td></tr><td>b</td></tr></table><td>c"_s;
    QTest::addRow("stray cells after end tags")
        << u"<table><tr><td>a</td></tr><td>b</td></tr></table><td>c</td></table><td>d"_s;
    QTest::addRow("table between rows")
        << u"<table><tr><td>a</td></tr><table><tr><td>x</td></tr></table><td>c"_s;
    QTest::addRow("deep table between rows") << u"<table><tr><td>a</td></tr><table><tr><td>"_s
                                                    + tables(2)
                                                    + u"</td></tr></table><td>c<table><tr><td>d"_s;
    // Each stray cell's table nests in the last: weights far beyond 2^63 must saturate.
    QTest::addRow("many stray cells") << u"<table><tr><td>a</td></tr>"_s
                                             + u"<td>b</td></tr></table>"_s.repeated(90)
                                             + u"x"_s.repeated(5000);
    QTest::addRow("stray row") << u"<tr><td>b</td></tr></table><td>c"_s;
    QTest::addRow("attribute swallows a tag") << u"<td <table><table><tr><td>x"_s;
    QTest::addRow("slash in a cell tag") << u"<table><tr><td/><table><tr><td>x"_s;
    QTest::addRow("in a style element") << u"<style>"_s + tables(5) + u"</style>"_s;
    QTest::addRow("in a list") << u"<ul><li>"_s + tables(5) + u"</ul>"_s;
    QTest::addRow("entities in quotes")
        << u"<table title=\"&quot;><table>\"><tr><td><table><tr><td>x"_s;
}

void tst_TemplateLayout::neverBelowQt()
{
    QFETCH(QString, html);

    QTextDocument document;
    document.setHtml(html);
    QVERIFY(measureTemplateLayout(html).tableDepth >= qtTableDepth(document.rootFrame()));
}

void tst_TemplateLayout::typedFieldsCannotNest_data()
{
    QTest::addColumn<QString>("typed");

    QTest::addRow("tables") << u"<table><tr><td>"_s.repeated(30);
    QTest::addRow("lists") << u"<ul><li>"_s.repeated(100);
    QTest::addRow("comment end") << u"--><table><table><table><table><table>"_s;
    QTest::addRow("quote breaking out") << u"\"><table>'><table>"_s.repeated(10);
}

void tst_TemplateLayout::typedFieldsCannotNest()
{
    QFETCH(QString, typed);

    const QString templateText = tables(4, u"%TITLE% %TEXT% <a href=\"%URL%\">%URL%</a>"_s);
    const TemplateLayout before = measureTemplateLayout(templateText);
    const QString preview
        = renderPreview(templateText, AdFields{typed, typed, typed}, 100000, 2300, 100000, 0);
    const TemplateLayout after = measureTemplateLayout(preview);
    QCOMPARE(after.depth, before.depth);
    QCOMPARE(after.tableDepth, before.tableDepth);
    QVERIFY(isWithinLayoutBounds(after));

    QTextDocument document;
    document.setHtml(preview);
    QCOMPARE(qtTableDepth(document.rootFrame()), 4);
}

// A placeholder where a tag's name goes lets a typed word become a tag: only the document as
// rendered tells how deeply it nests.
void tst_TemplateLayout::placeholderAsTagName()
{
    const QString templateText = u"<%TITLE%>"_s.repeated(30);
    QVERIFY(isWithinLayoutBounds(measureTemplateLayout(templateText)));
    const QString preview = renderPreview(templateText, AdFields{u"table"_s, {}, {}}, 10, 0, 0, 0);
    QCOMPARE(measureTemplateLayout(preview).tableDepth, 30);
    QVERIFY(!isWithinLayoutBounds(measureTemplateLayout(preview)));
}

// The preview measures a template once when no field can change its layout; its verdict must
// be the one measuring every document would give.
void tst_TemplateLayout::templateMeasuredOnce_data()
{
    QTest::addColumn<QString>("templateText");

    QTest::addRow("default") << defaultTemplate;
    QTest::addRow("deep, text outside") << nested(u"<div>"_s, u"</div>"_s, 70, u"%TEXT%"_s);
    QTest::addRow("fields in a table") << tables(3, u"%TITLE% %TEXT%"_s);
    QTest::addRow("after a stray cell") << u"<td>x</td>%TEXT%"_s;
    QTest::addRow("tag name") << u"<%TITLE%>"_s.repeated(30) + u"%TEXT%"_s;
    QTest::addRow("attribute") << u"<a href=\"%URL%\">%URL%</a><p>%TEXT%"_s;
    QTest::addRow("comment") << u"<!-- %TEXT% -->%TITLE%"_s;
    QTest::addRow("overlapping") << u"<b>%TITLE%TEXT%</b>"_s;
}

void tst_TemplateLayout::templateMeasuredOnce()
{
    QFETCH(QString, templateText);

    const QString long_ = u"Fresh flowers, delivered today. "_s.repeated(70);
    const QList<AdFields> ads{{},
                              {u"table"_s, u"x"_s, u"y"_s},
                              {u"table"_s, long_, u"<table><tr><td>"_s.repeated(9)},
                              {u"<td>"_s.repeated(40), long_.left(200), u"td"_s}};
    for (const AdFields &ad : ads) {
        const QString document = renderPreview(templateText, ad, 100000, 2300, 100000, 8);
        QCOMPARE(isPreviewWithinLayoutBounds(templateText, document),
                 isWithinLayoutBounds(measureTemplateLayout(document)));
    }
}

void tst_TemplateLayout::messageNamesTheEngine()
{
    const QString message = templateBeyondBoundsMessage(u"Deep <b>Engine</b>"_s);
    QVERIFY(message.contains(u"\"Deep <b>Engine</b>\""_s));
}

QTEST_MAIN(tst_TemplateLayout)
#include "tst_templatelayout.moc"
