// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/globals.h"
#include "engines/enginefile.h"
#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(EngineFileProblem)

class tst_EngineFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void roundTrip_data();
    void roundTrip();
    void fileLayout();
    void signedNumbers();
    void readingFiles_data();
    void readingFiles();
    void listedReadsAsLookedUp_data();
    void listedReadsAsLookedUp();
    void missingFileOrFolderReadsEmpty();
    void missingFolderFailsTheWrite();
    void directoryAtThePathFailsTheWrite();
    void rewriteReplacesTheWholeFile();
    void names_data();
    void names();
    void engineNumber_data();
    void engineNumber();

private:
    QString m_files;
};

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString &name, const QString &templateText = QString())
{
    return writeEngineFile(name, QStringLiteral("img/x.png"), 30, 90, 25, 2, 10, templateText);
}

// Everything below the application directory, so that a test sees any file that appears.
// A string of the given UTF-16 units, lone surrogates included.
QString units(std::initializer_list<char16_t> codes)
{
    return QString(reinterpret_cast<const QChar *>(codes.begin()), qsizetype(codes.size()));
}

QStringList treeBelow(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(it.next());
    entries.sort();
    return entries;
}
} // namespace

void tst_EngineFile::initTestCase()
{
    TestSupport::isolate();
}

void tst_EngineFile::init()
{
    m_files = TestSupport::resetEnginesFolder();
}

void tst_EngineFile::cleanup()
{
    QFile::remove(App::applicationDirectory + QStringLiteral("/x.xml"));
}

void tst_EngineFile::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    const auto same = [](const char *row, const QString &name, const QString &value) {
        QTest::addRow("%s", row) << name << value << value;
    };
    same("markup",
         QStringLiteral("Ads"),
         QStringLiteral("<a href=\"#\" title='x'>%TITLE% & "
                        "&amp; ]]> </a>"));
    same("several lines", QStringLiteral("Ads"), QStringLiteral("<p>\n%TEXT%\n</p>\n\n"));
    same("CR LF", QStringLiteral("Ads"), QStringLiteral("one\r\ntwo\rthree\r\n"));
    same("tabs", QStringLiteral("Ads"), QStringLiteral("\tone\t\ttwo\t"));
    same("outer spaces", QStringLiteral("Ads"), QStringLiteral("  padded  "));
    same("Cyrillic name and value", QStringLiteral("Яндекс Директ"), QStringLiteral("Реклама"));
    same("CJK", QStringLiteral("百度"), QStringLiteral("广告 %TITLE% 推广"));
    same("Latin-1 letters", QStringLiteral("Müller"), QStringLiteral("Grüße ©"));
    same("emoji", QStringLiteral("Ads"), QStringLiteral("sale 😀🎉 now"));
    same("empty", QStringLiteral("Ads"), QString());
    QTest::addRow("control characters dropped")
        << QStringLiteral("Ads") << QStringLiteral("a\x01 b\x1f\x0c c\x7f")
        << QStringLiteral("a b c\x7f");
    QTest::addRow("nul dropped") << u"Ads"_s << units({0, 'x'}) << u"x"_s;
    QTest::addRow("U+FFFE and U+FFFF dropped")
        << u"Ads"_s << units({'a', 0xFFFE, 'b', 0xFFFF, 'c'}) << u"abc"_s;
    QTest::addRow("lone high surrogate dropped")
        << u"Ads"_s << units({'a', 0xD83D, 'b'}) << u"ab"_s;
    QTest::addRow("lone low surrogate dropped") << u"Ads"_s << units({'a', 0xDE00, 'b'}) << u"ab"_s;
    QTest::addRow("reversed pair dropped")
        << u"Ads"_s << units({'a', 0xDE00, 0xD83D, 'b'}) << u"ab"_s;
    QTest::addRow("high surrogate at the end dropped")
        << u"Ads"_s << units({'a', 'b', 0xD83D}) << u"ab"_s;
}

void tst_EngineFile::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, expected);

    QVERIFY(writeEngineFile(name, value, 1, 2, 3, 4, 5, value));
    QCOMPARE(readEngineValue(name, QStringLiteral("Name")), name);
    QCOMPARE(readEngineValue(name, QStringLiteral("Symbol")), expected);
    QCOMPARE(readEngineValue(name, QStringLiteral("template")), expected);
    // The numbers after the values are still read: the file as a whole parses.
    QCOMPARE(readEngineValue(name, QStringLiteral("textLineBreak")), QStringLiteral("5"));
}

void tst_EngineFile::fileLayout()
{
    const QString templateText = QStringLiteral("<b>Grüße</b>\n%TITLE%\r\n\t\"x\" & y");
    QVERIFY(writeEngineFile(
        QStringLiteral("Müller"), QStringLiteral("/tmp/a b.png"), 30, 90, 25, 7, 12, templateText));
    const QByteArray bytes = fileBytes(m_files + QStringLiteral("/Müller.xml"));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(!bytes.contains("<?xml"));
    QVERIFY(!bytes.contains("<!DOCTYPE"));

    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    QVERIFY(!utf8.hasError());
    QVERIFY(bytes.contains("Gr\xC3\xBC\xC3\x9F"
                           "e"));
    QVERIFY(bytes.contains("M\xC3\xBCller"));

    QVERIFY(text.endsWith(u'\n'));
    const QStringList lines = text.chopped(1).split(u'\n');
    const QStringList tags = {"Name",
                              "Symbol",
                              "limitTitle",
                              "limitText",
                              "limitURL",
                              "listPosition",
                              "textLineBreak",
                              "template"};
    QCOMPARE(lines.size(), tags.size() + 2);
    QCOMPARE(lines.first(), QStringLiteral("<Engine>"));
    QCOMPARE(lines.last(), QStringLiteral("</Engine>"));
    const QRegularExpression element(QStringLiteral("^<(\\w+) value=\"[^\"]*\" ?/>$"));
    for (int i = 0; i < tags.size(); ++i) {
        const QRegularExpressionMatch match = element.match(lines.at(i + 1));
        QVERIFY2(match.hasMatch(), qPrintable(lines.at(i + 1)));
        QCOMPARE(match.captured(1), tags.at(i));
    }

    QDomDocument document;
    QVERIFY(document.setContent(text));
    const QDomElement root = document.documentElement();
    QCOMPARE(root.tagName(), QStringLiteral("Engine"));
    QCOMPARE(root.attributes().count(), 0);
    QCOMPARE(root.childNodes().count(), tags.size());
    const QStringList values
        = {"Müller", "/tmp/a b.png", "30", "90", "25", "7", "12", templateText};
    QDomElement child = root.firstChildElement();
    for (int i = 0; i < tags.size(); ++i, child = child.nextSiblingElement()) {
        QCOMPARE(child.tagName(), tags.at(i));
        QCOMPARE(child.attributes().count(), 1);
        QVERIFY(!child.hasChildNodes());
        QCOMPARE(child.attribute(QStringLiteral("value")), values.at(i));
    }
}

void tst_EngineFile::signedNumbers()
{
    QVERIFY(writeEngineFile(QStringLiteral("Signed"), QString(), 4294967295u, 0, 7, -1, -3, {}));
    const QByteArray bytes = fileBytes(engineFilePath(QStringLiteral("Signed")));
    QVERIFY(bytes.contains("<listPosition value=\"-1\""));
    QVERIFY(bytes.contains("<limitTitle value=\"4294967295\""));
    QCOMPARE(readEngineValue(QStringLiteral("Signed"), QStringLiteral("listPosition")),
             QStringLiteral("-1"));
    QCOMPARE(
        ::engineNumber(readEngineValue(QStringLiteral("Signed"), QStringLiteral("listPosition"))),
        -1);
    QCOMPARE(readEngineValue(QStringLiteral("Signed"), QStringLiteral("textLineBreak")),
             QStringLiteral("-3"));
}

void tst_EngineFile::readingFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    QTest::addRow("reordered") << QByteArray("<Engine>\n<template value=\"T\"/>\n<limitURL "
                                             "value=\"3\"/>\n<limitTitle value=\"7\"/>\n</"
                                             "Engine>\n")
                               << "limitTitle"
                               << "7";
    QTest::addRow("extra elements, comments, text")
        << QByteArray("<Engine>intro<!-- <limitTitle value=\"9\"/> --><other value=\"8\"/>"
                      "<?pi x?><limitTitle value=\"7\"/>tail</Engine>")
        << "limitTitle"
        << "7";
    QTest::addRow("duplicated: first wins")
        << QByteArray("<Engine><limitTitle value=\"7\"/><limitTitle value=\"8\"/></Engine>")
        << "limitTitle"
        << "7";
    QTest::addRow("miscased") << QByteArray("<Engine><LimitTitle value=\"7\"/></Engine>")
                              << "limitTitle" << QString();
    QTest::addRow("miscased request")
        << QByteArray("<Engine><limitTitle value=\"7\"/></Engine>") << "limittitle" << QString();
    QTest::addRow("missing element")
        << QByteArray("<Engine><limitTitle value=\"7\"/></Engine>") << "limitURL" << QString();
    QTest::addRow("no value attribute")
        << QByteArray("<Engine><limitTitle Value=\"7\">8</limitTitle></Engine>") << "limitTitle"
        << QString();
    QTest::addRow("another root") << QByteArray("<Motor><limitTitle value=\"7\"/></Motor>")
                                  << "limitTitle"
                                  << "7";
    QTest::addRow("grandchildren not searched")
        << QByteArray("<Engine><group><limitTitle value=\"9\"/></group></Engine>") << "limitTitle"
        << QString();
    QTest::addRow("grandchild before the child")
        << QByteArray("<Engine><group><limitTitle value=\"9\"/></group><limitTitle "
                      "value=\"7\"/></Engine>")
        << "limitTitle"
        << "7";
    QTest::addRow("unclosed root")
        << QByteArray("<Engine><limitTitle value=\"7\"/>") << "limitTitle" << QString();
    QTest::addRow("mismatched tags")
        << QByteArray("<Engine><limitTitle value=\"7\"></Engine>") << "limitTitle" << QString();
    QTest::addRow("not XML") << QByteArray("limitTitle=7\n") << "limitTitle" << QString();
    QTest::addRow("UTF-8") << QByteArray("<Engine><Name value=\"M\xC3\xBCller\"/></Engine>")
                           << "Name" << QStringLiteral("Müller");
    QTest::addRow("Latin-1 legacy")
        << QByteArray("<Engine>\n<Name value=\"M\xFCller\"/>\n<Symbol value=\"\xA9 Gr\xFC\xDF"
                      "e\"/>\n</Engine>\n")
        << "Symbol" << QStringLiteral("© Grüße");
    QTest::addRow("character references")
        << QByteArray("<Engine><template value=\"&lt;p&gt;&#xa;&#x9;&quot;&amp;\"/></Engine>")
        << "template" << QStringLiteral("<p>\n\t\"&");
}

void tst_EngineFile::readingFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, field);
    QFETCH(QString, expected);

    TestSupport::writeRawFile(QStringLiteral("Raw.xml"), bytes);
    QCOMPARE(readEngineValue(QStringLiteral("Raw"), field), expected);
}

void tst_EngineFile::listedReadsAsLookedUp_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<EngineFileProblem>("problem");

    QTest::addRow("written") << u"written"_s << EngineFileProblem::None;
    QTest::addRow("for the parser") << u"parsed"_s << EngineFileProblem::None;
    QTest::addRow("exactly at the cap") << u"at cap"_s << EngineFileProblem::None;
    QTest::addRow("one byte over the cap") << u"over cap"_s << EngineFileProblem::TooLarge;
    QTest::addRow("not well-formed") << u"broken"_s << EngineFileProblem::NotWellFormed;
    QTest::addRow("empty") << u"empty"_s << EngineFileProblem::NotWellFormed;
    QTest::addRow("gone since the listing") << u"missing"_s << EngineFileProblem::Missing;
    QTest::addRow("a folder") << u"folder"_s << EngineFileProblem::NotRegularFile;
    QTest::addRow("a pipe, opened without waiting")
        << u"pipe"_s << EngineFileProblem::NotRegularFile;
    QTest::addRow("a link to a profile") << u"link"_s << EngineFileProblem::None;
    QTest::addRow("a link to nowhere") << u"dangling"_s << EngineFileProblem::Missing;
}

// A file that a listing showed as a regular file is opened without a lookup first; whatever
// is found at its name by then reads exactly as a lookup would read it.
void tst_EngineFile::listedReadsAsLookedUp()
{
    QFETCH(QString, kind);
    QFETCH(EngineFileProblem, problem);
    const QString name = u"Kind"_s;
    const QString path = m_files + u"/Kind.xml"_s;
    const QByteArray profile = "<Engine>\n<Name value=\"Kind\"/>\n<listPosition value=\"4\"/>\n"
                               "<template value=\"<b>%TITLE%</b>\"/>\n</Engine>\n";
    if (kind == u"written") {
        QVERIFY(write(name, u"<b>%TITLE%</b>"_s));
    } else if (kind == u"parsed") {
        TestSupport::writeRawFile(u"Kind.xml"_s,
                                  "<Engine><!-- by hand --><Name value='Kind'/>"
                                  "<limitTitle value=\"25\"/></Engine>");
    } else if (kind == u"at cap" || kind == u"over cap") {
        const QByteArray head = "<Engine><Name value=\"Kind\"/><!--";
        const QByteArray tail = "--></Engine>";
        const qsizetype size = maxEngineFileSize + (kind == u"over cap" ? 1 : 0);
        TestSupport::writeRawFile(u"Kind.xml"_s,
                                  head + QByteArray(size - head.size() - tail.size(), 'x') + tail);
        QCOMPARE(QFileInfo(path).size(), size);
    } else if (kind == u"broken") {
        TestSupport::writeRawFile(u"Kind.xml"_s, profile);
    } else if (kind == u"empty") {
        TestSupport::writeRawFile(u"Kind.xml"_s, QByteArray());
    } else if (kind == u"folder") {
        QVERIFY(QDir(m_files).mkdir(u"Kind.xml"_s));
    } else if (kind == u"pipe") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == u"link" || kind == u"dangling") {
        const QString target = App::applicationDirectory + u"/elsewhere.xml"_s;
        QFile::remove(target);
        if (kind == u"link") {
            QVERIFY(writeEngineFile(u"Elsewhere"_s, {}, 1, 2, 3, 4, 5, u"t"_s));
            QVERIFY(QFile::rename(m_files + u"/Elsewhere.xml"_s, target));
        }
        QVERIFY(QFile::link(target, path));
    }

    const EngineFile listed = readListedEngineFile(name);
    const EngineFile lookedUp = readEngineFile(name);
    QCOMPARE(listed.problem, problem);
    QCOMPARE(lookedUp.problem, problem);
    QCOMPARE(listed.errorLine, lookedUp.errorLine);
    QCOMPARE(listed.errorColumn, lookedUp.errorColumn);
    QCOMPARE(listed.nameField, lookedUp.nameField);
    QCOMPARE(listed.profile, lookedUp.profile);
    if (problem == EngineFileProblem::None)
        QVERIFY(!listed.nameField.isEmpty());
    if (kind == u"written")
        QCOMPARE(listed.profile.templateText, u"<b>%TITLE%</b>"_s);
}

void tst_EngineFile::missingFileOrFolderReadsEmpty()
{
    QVERIFY(write(QStringLiteral("Present")));
    QVERIFY(readEngineValue(QStringLiteral("Absent"), QStringLiteral("Name")).isEmpty());
    QVERIFY(QDir(m_files).removeRecursively());
    QVERIFY(readEngineValue(QStringLiteral("Present"), QStringLiteral("Name")).isEmpty());
}

void tst_EngineFile::missingFolderFailsTheWrite()
{
    QVERIFY(QDir(m_files).removeRecursively());
    const QStringList before = treeBelow(App::applicationDirectory);
    QVERIFY(!write(QStringLiteral("Nowhere")));
    QVERIFY(!QFileInfo::exists(m_files));
    QCOMPARE(treeBelow(App::applicationDirectory), before);
}

void tst_EngineFile::directoryAtThePathFailsTheWrite()
{
    QVERIFY(QDir(m_files).mkpath(QStringLiteral("X.xml")));
    QFile inside(m_files + QStringLiteral("/X.xml/keep.txt"));
    QVERIFY(inside.open(QIODevice::WriteOnly));
    inside.write("kept");
    inside.close();

    QVERIFY(!write(QStringLiteral("X")));
    QVERIFY(QFileInfo(m_files + QStringLiteral("/X.xml")).isDir());
    QCOMPARE(fileBytes(inside.fileName()), QByteArray("kept"));
    // No half-written temporary file stays behind.
    QCOMPARE(treeBelow(m_files),
             QStringList({m_files + QStringLiteral("/X.xml"), inside.fileName()}));
}

void tst_EngineFile::rewriteReplacesTheWholeFile()
{
    const QString path = engineFilePath(QStringLiteral("Ads"));
    QVERIFY(writeEngineFile(QStringLiteral("Ads"),
                            QStringLiteral("old-symbol"),
                            1,
                            2,
                            3,
                            4,
                            5,
                            QStringLiteral("OLD TEMPLATE ").repeated(500)));
    QVERIFY(writeEngineFile(QStringLiteral("Ads"), QString(), 6, 7, 8, 9, 10, u"new"_s));

    const QByteArray bytes = fileBytes(path);
    QVERIFY(!bytes.contains("OLD"));
    QVERIFY(!bytes.contains("old-symbol"));
    QVERIFY(bytes.endsWith("</Engine>\n"));
    QCOMPARE(readEngineValue(QStringLiteral("Ads"), QStringLiteral("template")), u"new"_s);
    QCOMPARE(readEngineValue(QStringLiteral("Ads"), QStringLiteral("limitTitle")), u"6"_s);
    QCOMPARE(QDir(m_files).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList(u"Ads.xml"_s));
}

void tst_EngineFile::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("acceptable");

    QTest::addRow("plain") << QStringLiteral("Google Ads") << true;
    QTest::addRow("non-Latin") << QStringLiteral("Яндекс 百度 😀") << true;
    QTest::addRow("dots inside") << QStringLiteral("a.b") << true;
    QTest::addRow("three dots") << QStringLiteral("...") << true;
    QTest::addRow("outer spaces") << QStringLiteral(" x ") << true;
    QTest::addRow("empty") << QString() << false;
    QTest::addRow("dot") << QStringLiteral(".") << false;
    QTest::addRow("dot dot") << QStringLiteral("..") << false;
    QTest::addRow("parent folder") << QStringLiteral("../x") << false;
    QTest::addRow("sub-folder") << QStringLiteral("a/b") << false;
    QTest::addRow("backslash") << QStringLiteral("a\\b") << false;
    QTest::addRow("tab") << QStringLiteral("a\tb") << false;
    QTest::addRow("line feed") << QStringLiteral("a\nb") << false;
    QTest::addRow("control character") << QStringLiteral("a\x01") << false;
    QTest::addRow("delete") << QStringLiteral("a\x7f") << false;
}

void tst_EngineFile::names()
{
    QFETCH(QString, name);
    QFETCH(bool, acceptable);

    QCOMPARE(isAcceptableEngineName(name), acceptable);
    const QString path = engineFilePath(name);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath())); // "a/b" would reach files/a/b.xml
    const QStringList before = treeBelow(App::applicationDirectory);

    QCOMPARE(write(name, u"written"_s), acceptable);
    if (acceptable) {
        QCOMPARE(readEngineValue(name, QStringLiteral("Name")), name);
        QCOMPARE(readEngineValue(name, QStringLiteral("template")), u"written"_s);
        return;
    }
    QCOMPARE(treeBelow(App::applicationDirectory), before);

    // A file that the refused name would reach is not read either.
    QFile planted(path);
    QVERIFY2(planted.open(QIODevice::WriteOnly), qPrintable(path));
    planted.write("<Engine><Name value=\"planted\"/></Engine>");
    planted.close();
    QCOMPARE(readEngineValue(name, QStringLiteral("Name")), QString());
}

void tst_EngineFile::engineNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");

    QTest::addRow("null") << QString() << 0;
    QTest::addRow("empty") << u""_s << 0;
    QTest::addRow("letters") << u"abc"_s << 0;
    QTest::addRow("digits then letters") << u"12abc"_s << 0;
    QTest::addRow("negative") << u"-1"_s << -1;
    QTest::addRow("positive") << u"12"_s << 12;
    QTest::addRow("exponent") << u"1e3"_s << 0;
    QTest::addRow("hexadecimal") << u"0x10"_s << 0;
    QTest::addRow("too large") << u"4294967296"_s << 0;
    QTest::addRow("largest") << u"2147483647"_s << 2147483647;
}

void tst_EngineFile::engineNumber()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(::engineNumber(text), number);
}

QTEST_GUILESS_MAIN(tst_EngineFile)
#include "tst_enginefile.moc"
