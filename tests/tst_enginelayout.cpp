// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Engine files in the layout the program writes, and near it: which are profiles, and what a
// written profile reads back as.
#include "engines/enginefile.h"
#include "testsupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
const QString raw = u"Raw"_s;

QByteArray engineFile(const QByteArray &lines)
{
    return "<Engine>\n" + lines + "</Engine>\n";
}
} // namespace

class tst_EngineLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void readable_data();
    void readable();
    void writtenFilesReadBack_data();
    void writtenFilesReadBack();
};

void tst_EngineLayout::initTestCase()
{
    TestSupport::isolate();
}

void tst_EngineLayout::init()
{
    TestSupport::resetEnginesFolder();
}

void tst_EngineLayout::readable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");

    const QByteArray name = "<Name value=\"A\"/>\n";
    const auto field = [](const QByteArray &value) {
        return engineFile("<Name value=\"A\"/>\n<template value=\"" + value + "\"/>\n");
    };
    QTest::addRow("plain") << engineFile(name + "<limitTitle value=\"25\"/>\n") << true;
    QTest::addRow("no final line break") << engineFile(name).chopped(1) << true;
    QTest::addRow("named references") << field("&lt;b&gt; &amp; &quot;x&quot; &apos;") << true;
    QTest::addRow("hex line break") << field("a&#xa;b&#xD;c&#x9;") << true;
    QTest::addRow("decimal line break") << field("a&#10;b") << true;
    QTest::addRow("reference beyond the BMP") << field("&#x1F600;&#128512;") << true;
    QTest::addRow("leading zeros") << field("&#x000041;&#0065;") << true;
    QTest::addRow("raw greater-than") << field("a > b") << true;
    QTest::addRow("non-Latin") << field("Яндекс 百度 😀") << true;
    QTest::addRow("noncharacters XML allows") << field("\xef\xb7\x90 \xf0\x9f\xbf\xbf") << true;
    QTest::addRow("Latin-1 bytes") << field("Gr\xfc\xdf"
                                            "e")
                                   << true;
    QTest::addRow("C1 controls read as Latin-1") << field("\x85\x9f \xc2") << true;
    QTest::addRow("first of a repeated field")
        << engineFile(name + "<Name value=\"B\"/>\n") << true;
    QTest::addRow("digits in a tag") << engineFile(name + "<extra1 value=\"x\"/>\n") << true;
    QTest::addRow("empty profile") << engineFile("") << true;
    QTest::addRow("other root") << "<Motor>\n<Name value=\"A\"/>\n</Motor>\n"_ba << true;
    QTest::addRow("CR LF lines") << "<Engine>\r\n<Name value=\"A\"/>\r\n</Engine>\r\n"_ba << true;
    QTest::addRow("byte order mark") << "\xef\xbb\xbf" + engineFile(name) << true;
    QTest::addRow("declaration") << "<?xml version=\"1.0\"?>\n" + engineFile(name) << true;
    QTest::addRow("comment") << engineFile("<!-- c -->\n" + name) << true;
    QTest::addRow("blank line") << engineFile("\n" + name) << true;
    QTest::addRow("space before the end") << engineFile("<Name value=\"A\" />\n") << true;
    QTest::addRow("single quotes") << engineFile("<Name value='A'/>\n") << true;
    QTest::addRow("second attribute") << engineFile("<Name value=\"A\" x=\"y\"/>\n") << true;
    QTest::addRow("element with content") << engineFile("<Name value=\"A\">t</Name>\n") << true;
    QTest::addRow("underscore in a tag") << engineFile("<a_b value=\"x\"/>\n" + name) << true;
    QTest::addRow("non-ASCII tag") << engineFile("<N\xc3\xa4me value=\"x\"/>\n" + name) << true;
    QTest::addRow("nested") << engineFile("<Name value=\"A\"><i value=\"B\"/></Name>\n") << true;
    QTest::addRow("raw tab") << field("a\tb") << true;
    QTest::addRow("raw line break") << field("a\nb") << true;
    QTest::addRow("raw CR") << field("a\rb") << true;
    QTest::addRow("trailing blank lines") << engineFile(name) + "\n\n" << true;
    QTest::addRow("text after the root") << engineFile(name) + "x" << false;
    QTest::addRow("element after the root") << engineFile(name) + "<x/>" << false;
    QTest::addRow("no end of the root") << "<Engine>\n" + name << false;
    QTest::addRow("raw less-than") << field("a < b") << false;
    QTest::addRow("raw ampersand") << field("a & b") << false;
    QTest::addRow("unknown entity") << field("&nbsp;") << false;
    QTest::addRow("unterminated reference") << field("&lt b") << false;
    QTest::addRow("empty reference") << field("&#;") << false;
    QTest::addRow("upper-case X") << field("&#X41;") << false;
    QTest::addRow("reference to NUL") << field("&#0;") << false;
    QTest::addRow("reference to a surrogate") << field("&#xD800;") << false;
    QTest::addRow("reference to U+FFFE") << field("&#xFFFE;") << false;
    QTest::addRow("reference beyond Unicode") << field("&#x110000;") << false;
    QTest::addRow("huge reference") << field("&#99999999999999;") << false;
    QTest::addRow("raw control character") << field("a\x01") << false;
    QTest::addRow("unclosed value") << "<Engine>\n<Name value=\"A/>\n</Engine>\n"_ba << false;
}

void tst_EngineLayout::readable()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);

    TestSupport::writeRawFile(raw + u".xml"_s, bytes);
    const EngineFile file = readEngineFile(raw);
    QCOMPARE(file.isReadable(), readable);
    QCOMPARE(file.nameField, readable && bytes.contains("<Name value=") ? u"A"_s : QString());
    QCOMPARE(readEngineValue(raw, u"Name"_s), file.nameField);
}

void tst_EngineLayout::writtenFilesReadBack_data()
{
    QTest::addColumn<QString>("templateText");
    QTest::addColumn<QString>("rules");

    QTest::addRow("markup") << u"<div style=\"a: b;\">%TITLE% & 'x' </div>"_s << QString();
    QTest::addRow("line breaks and tabs") << u"a\nb\r\nc\td"_s << QString();
    QTest::addRow("emoji and CJK") << u"😀 百度 Яндекс"_s << QString();
    QTest::addRow("references as text") << u"&amp; &#10; &lt;"_s << QString();
    QTest::addRow("empty") << QString() << QString();
    QTest::addRow("with rules") << u"<b>%TITLE%</b>"_s << u"google"_s;
}

void tst_EngineLayout::writtenFilesReadBack()
{
    QFETCH(QString, templateText);
    QFETCH(QString, rules);

    QVERIFY(writeEngineFile(raw, u"img/x.png"_s, 30, 90, 25, -4, 7, templateText, rules));
    const EngineFile file = readEngineFile(raw);
    QVERIFY(file.isReadable());
    QCOMPARE(file.profile.templateText, templateText);
    QCOMPARE(file.profile.rules, rules);
    QCOMPARE(file.profile.listPosition, -4);
    QCOMPARE(file.nameField, raw);
    QCOMPARE(readEngineValue(raw, u"rules"_s), rules);
}

QTEST_GUILESS_MAIN(tst_EngineLayout)
#include "tst_enginelayout.moc"
