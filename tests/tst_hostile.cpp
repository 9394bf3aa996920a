// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile engine files: the catalogue and the main window start, list what they can, show
// nothing from outside the engines folder and stay responsive.
#include "ads/preview.h"
#include "ads/templatelayout.h"
#include "app/globals.h"
#include "dialogdriver.h"
#include "engines/catalogue.h"
#include "engines/enginefile.h"
#include "hostileprofiles.h"
#include "testsupport.h"
#include "ui/engineform.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

namespace {
const QByteArray marker = "VELLUMO-SECRET-7f3a9c";
const QStringList fields{QStringLiteral("Name"),
                         QStringLiteral("Symbol"),
                         QStringLiteral("limitTitle"),
                         QStringLiteral("limitText"),
                         QStringLiteral("limitURL"),
                         QStringLiteral("listPosition"),
                         QStringLiteral("textLineBreak"),
                         QStringLiteral("template")};
// Any open takes longer than this only when something hangs.
const qint64 sanityBoundMs = 30000;

// Outside the engines folder, beside the executable: what an entity must never pull in.
QString outside(const QString &fileName)
{
    return App::applicationDirectory + QStringLiteral("/outside/") + fileName;
}

QByteArray engineWithTemplate(const QByteArray &prolog, const QByteArray &templateValue)
{
    return prolog + "<Engine><Name value=\"x\"/><template value=\"" + templateValue
           + "\"/></Engine>\n";
}

QByteArray binaryJunk()
{
    QRandomGenerator random(20260);
    QByteArray bytes(8 * 1024, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    return bytes;
}

// A profile nested `depth` elements deep, the root counted.
QByteArray deeplyNested(int depth)
{
    return "<Engine><template value=\"deep\"/>" + QByteArray("<a>").repeated(depth - 1)
           + QByteArray("</a>").repeated(depth - 1) + "</Engine>";
}

QByteArray billionLaughs()
{
    QByteArray dtd = "<!DOCTYPE Engine [\n<!ENTITY lol0 \"lol\">\n";
    for (int i = 1; i < 10; ++i) {
        dtd += "<!ENTITY lol" + QByteArray::number(i) + " \"";
        dtd += QByteArray("&lol" + QByteArray::number(i - 1) + ";").repeated(10);
        dtd += "\">\n";
    }
    return engineWithTemplate(dtd + "]>\n", "&lol9;");
}

// Each reference stays within Qt's bound on one entity; together they make 12 million
// characters from 9 KB.
QByteArray manyReferences()
{
    const QByteArray dtd = "<!DOCTYPE Engine [<!ENTITY e \"" + QByteArray(4000, 'e') + "\">]>";
    return engineWithTemplate(dtd, QByteArray("&e;").repeated(3000));
}

// A template element with as many attributes as fit below the cap: Qt's reader compares each
// attribute with every earlier one.
QByteArray manyAttributes()
{
    const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QByteArray bytes = "<Engine><template value=\"wide\"";
    for (int i = 0; bytes.size() < maxEngineFileSize - 20; ++i)
        bytes += QByteArray(" ") + letters[i % 52] + letters[i / 52 % 52] + letters[i / 2704]
                 + "=\"\"";
    return bytes + "/></Engine>";
}

// A valid profile whose template pads the file to exactly `size` bytes.
QByteArray profileOfSize(qint64 size)
{
    const QByteArray head = "<Engine><Name value=\"big\"/><template value=\"";
    const QByteArray tail = "\"/></Engine>";
    return head + QByteArray(size - head.size() - tail.size(), 'x') + tail;
}

struct HostileFile
{
    const char *row;
    QString fileName;
    QByteArray bytes;
    QString templateValue; // what reading "template" gives
};

// The files of a hostile engines folder that are plain bytes.
QList<HostileFile> hostileFiles()
{
    const QByteArray secretUrl
        = QUrl::fromLocalFile(outside(QStringLiteral("secret.txt"))).toEncoded();
    const QByteArray dtdUrl
        = QUrl::fromLocalFile(outside(QStringLiteral("secret.dtd"))).toEncoded();
    const QString deep = QStringLiteral("deep");
    return {
        {"binary junk", QStringLiteral("junk.xml"), binaryJunk(), QString()},
        {"nested 256 deep", QStringLiteral("deep256.xml"), deeplyNested(256), deep},
        {"nested 257 deep", QStringLiteral("deep257.xml"), deeplyNested(257), QString()},
        {"nested 2000 deep", QStringLiteral("deep2000.xml"), deeplyNested(2000), QString()},
        {"nested 100000 deep", QStringLiteral("deep100000.xml"), deeplyNested(100000), QString()},
        {"attributes up to the cap",
         QStringLiteral("attributes.xml"),
         manyAttributes(),
         QStringLiteral("wide")},
        {"billion laughs", QStringLiteral("laughs.xml"), billionLaughs(), QString()},
        {"many references to a big entity",
         QStringLiteral("references.xml"),
         manyReferences(),
         QString()},
        // Found by fuzz_enginefile: three references make the value longer than the file.
        {"fuzzer: entity outgrows the file",
         QStringLiteral("fuzzed.xml"),
         "<!DOCTYPE n[<!ENTITY e "
         "\"eeeeeeeeeeeeeeeeeeeeeeee\x8e\x8e\x8e\x8e\x8e\x8e\x8e\x8e\x8e\x8e\x8e"
         "\x8e\x8e"
         "e\">]><Engine><template value=\"&e;&e;&e;\"/></Engine>",
         QString()},
        {"harmless entity",
         QStringLiteral("entity.xml"),
         engineWithTemplate("<!DOCTYPE Engine [<!ENTITY t \"title\">]>", "&t;"),
         QString()},
        {"external entity in a value",
         QStringLiteral("external.xml"),
         engineWithTemplate("<!DOCTYPE Engine [<!ENTITY secret SYSTEM \"" + secretUrl + "\">]>",
                            "&secret;"),
         QString()},
        {"external entity, relative",
         QStringLiteral("relative.xml"),
         engineWithTemplate("<!DOCTYPE Engine [<!ENTITY secret SYSTEM \"../outside/secret.txt\">]>",
                            "&secret;"),
         QString()},
        {"external entity in content",
         QStringLiteral("content.xml"),
         "<!DOCTYPE Engine [<!ENTITY secret SYSTEM \"" + secretUrl
             + "\">]>\n<Engine><template value=\"own\">&secret;</template></Engine>",
         QString()},
        {"external parameter entity",
         QStringLiteral("parameter.xml"),
         engineWithTemplate("<!DOCTYPE Engine [<!ENTITY % p SYSTEM \"" + dtdUrl + "\"> %p;]>",
                            "&leak;"),
         QString()},
        // Never loaded: the reference stays as written.
        {"external DTD",
         QStringLiteral("doctype.xml"),
         engineWithTemplate("<!DOCTYPE Engine SYSTEM \"" + dtdUrl + "\">", "&leak;"),
         QStringLiteral("&leak;")},
        {"document type without entities",
         QStringLiteral("plain.xml"),
         engineWithTemplate("<!DOCTYPE Engine>", "plain"),
         QStringLiteral("plain")},
    };
}
} // namespace

class tst_Hostile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void hostileFileReads_data();
    void hostileFileReads();
    void sizeCap_data();
    void sizeCap();
    void writingBeyondTheCapFails();
    void mainWindowSurvivesHostileFolder();
    void userRemovesHostileProfile_data();
    void userRemovesHostileProfile();
    void fuzzedTemplates_data();
    void fuzzedTemplates();
    void saveAsksAboutTemplateBeyondBounds_data();
    void saveAsksAboutTemplateBeyondBounds();

private:
    QString m_files;
};

void tst_Hostile::initTestCase()
{
    TestSupport::isolate();
}

void tst_Hostile::init()
{
    m_files = TestSupport::resetEnginesFolder();
    QDir(outside(QString())).removeRecursively();
    QVERIFY(QDir().mkpath(outside(QStringLiteral("folder"))));
    QFile secret(outside(QStringLiteral("secret.txt")));
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write(marker);
    secret.close();
    QFile dtd(outside(QStringLiteral("secret.dtd")));
    QVERIFY(dtd.open(QIODevice::WriteOnly));
    dtd.write("<!ENTITY leak \"" + marker + "\">\n");
}

void tst_Hostile::cleanup()
{
    TestSupport::resetEnginesFolder();
    QDir(outside(QString())).removeRecursively();
}

void tst_Hostile::hostileFileReads_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("templateValue");

    for (const HostileFile &file : hostileFiles())
        QTest::addRow("%s", file.row) << file.fileName << file.bytes << file.templateValue;
}

void tst_Hostile::hostileFileReads()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, templateValue);

    TestSupport::writeRawFile(fileName, bytes);
    const QString name = engineNameOfFile(fileName);
    QElapsedTimer timer;
    timer.start();
    for (const QString &field : fields) {
        const QString value = readEngineValue(name, field);
        QVERIFY2(!value.contains(QString::fromLatin1(marker)), qPrintable(field));
    }
    QCOMPARE(readEngineValue(name, QStringLiteral("template")), templateValue);
    QCOMPARE(orderedEngineNames(), QStringList{name});
    qInfo("%s: every field read in %lld ms", QTest::currentDataTag(), timer.elapsed());
    QVERIFY(timer.elapsed() < sanityBoundMs);
}

void tst_Hostile::sizeCap_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("reads");

    QTest::addRow("small") << qint64(1000) << true;
    QTest::addRow("at the cap") << maxEngineFileSize << true;
    QTest::addRow("one byte over") << maxEngineFileSize + 1 << false;
}

void tst_Hostile::sizeCap()
{
    QFETCH(qint64, size);
    QFETCH(bool, reads);

    TestSupport::writeRawFile(QStringLiteral("big.xml"), profileOfSize(size));
    QCOMPARE(QFileInfo(m_files + QStringLiteral("/big.xml")).size(), size);
    QCOMPARE(readEngineValue(QStringLiteral("big"), QStringLiteral("Name")),
             reads ? QStringLiteral("big") : QString());
    // Too big to read, but still an engine file: it stays listed.
    QCOMPARE(orderedEngineNames(), QStringList{QStringLiteral("big")});
}

void tst_Hostile::writingBeyondTheCapFails()
{
    const QString name = QStringLiteral("big");
    QVERIFY(writeEngineFile(name, QString(), 1, 2, 3, 4, 5, QStringLiteral("old")));
    const QString tooLong(maxEngineFileSize, QLatin1Char('x'));
    QVERIFY(!writeEngineFile(name, QString(), 1, 2, 3, 4, 5, tooLong));
    QCOMPARE(readEngineValue(name, QStringLiteral("template")), QStringLiteral("old"));
}

void tst_Hostile::mainWindowSurvivesHostileFolder()
{
    QStringList listed;
    for (const HostileFile &file : hostileFiles()) {
        TestSupport::writeRawFile(file.fileName, file.bytes);
        listed.append(engineNameOfFile(file.fileName));
    }
    TestSupport::writeRawFile(QStringLiteral("huge.xml"), profileOfSize(50 * 1000 * 1000));
    listed.append(QStringLiteral("huge"));
    QVERIFY(writeEngineFile(
        QStringLiteral("Good"), QString(), 30, 90, 25, -1, 10, QStringLiteral("<b>%TITLE%</b>")));
    listed.append(QStringLiteral("Good"));

    // A link to a folder is no engine file.
    QVERIFY(QFile::link(outside(QStringLiteral("folder")), m_files + QStringLiteral("/x.xml")));
    // A link to a profile elsewhere is the user's own choice: listed and read like any other.
    const QString elsewhere = outside(QStringLiteral("shared.xml"));
    QVERIFY(writeEngineFile(QStringLiteral("shared"), QString(), 1, 2, 3, 4, 5, QString()));
    QVERIFY(QFile::rename(m_files + QStringLiteral("/shared.xml"), elsewhere));
    QVERIFY(QFile::link(elsewhere, m_files + QStringLiteral("/shared.xml")));
    listed.append(QStringLiteral("shared"));
    // Neither a device nor a pipe is an engine file: /dev/zero never ends, and opening a pipe
    // waits for a writer. Links to them may be listed, but read as empty at once.
    const QStringList special{
        QStringLiteral("zero"), QStringLiteral("pipe"), QStringLiteral("piped")};
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), m_files + QStringLiteral("/zero.xml")));
    QCOMPARE(mkfifo(QFile::encodeName(m_files + QStringLiteral("/pipe.xml")).constData(), 0600), 0);
    QCOMPARE(mkfifo(QFile::encodeName(outside(QStringLiteral("pipe"))).constData(), 0600), 0);
    QVERIFY(QFile::link(outside(QStringLiteral("pipe")), m_files + QStringLiteral("/piped.xml")));
    // Root reads it all the same; anyone else reads it as empty. Listed either way.
    const QString locked = m_files + QStringLiteral("/locked.xml");
    TestSupport::writeRawFile(QStringLiteral("locked.xml"),
                              engineWithTemplate(QByteArray(), "locked"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    listed.append(QStringLiteral("locked"));
    listed.sort(Qt::CaseInsensitive);

    QElapsedTimer timer;
    timer.start();
    auto window = std::make_unique<MainWindow>();
    const qint64 constructed = timer.restart();
    window->refreshEngineLists();
    const qint64 rebuilt = timer.elapsed();
    const qsizetype entries
        = QDir(m_files).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size();
    qInfo("main window with %lld hostile engine files: constructed in %lld ms, rebuilt in %lld ms",
          qint64(entries),
          constructed,
          rebuilt);
    QVERIFY(constructed < sanityBoundMs);
    QVERIFY(rebuilt < sanityBoundMs);

    QComboBox *combo = window->mainForm->comboBoxEngine;
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown.append(combo->itemText(i));
    QCOMPARE(shown.first(), QStringLiteral("Good"));
    QStringList inDialog;
    for (int i = 0; i < window->engineForm->listWidgetEngine->count(); ++i)
        inDialog.append(window->engineForm->listWidgetEngine->item(i)->text());
    QCOMPARE(inDialog, shown);
    for (const QString &name : special)
        shown.removeOne(name);
    shown.sort(Qt::CaseInsensitive);
    QCOMPARE(shown, listed);

    QCOMPARE(readEngineValue(QStringLiteral("shared"), QStringLiteral("limitText")),
             QStringLiteral("2"));
    for (const QString &name : special)
        QCOMPARE(readEngineValue(name, QStringLiteral("Name")), QString());
    QFile probe(locked);
    QCOMPARE(readEngineValue(QStringLiteral("locked"), QStringLiteral("template")),
             probe.open(QIODevice::ReadOnly) ? QStringLiteral("locked") : QString());

    const QString secret = QString::fromLatin1(marker);
    qint64 slowest = 0;
    QString slowestName;
    for (int i = 0; i < combo->count(); ++i) {
        const QString name = combo->itemText(i);
        for (const QString &field : fields)
            QVERIFY2(!readEngineValue(name, field).contains(secret), qPrintable(name));
        timer.restart();
        window->comboBoxEngine_activated(i);
        const qint64 chosen = timer.elapsed();
        QVERIFY2(chosen < sanityBoundMs, qPrintable(name));
        if (chosen >= slowest) {
            slowest = chosen;
            slowestName = name;
        }
        QVERIFY2(!window->mainForm->textBrowserPreview->toHtml().contains(secret),
                 qPrintable(name));
    }
    qInfo("slowest engine to choose: %s, %lld ms", qPrintable(slowestName), slowest);
}

void tst_Hostile::userRemovesHostileProfile_data()
{
    QTest::addColumn<int>("profile");

    const QList<HostileProfiles::Profile> profiles = HostileProfiles::profiles();
    for (int i = 0; i < profiles.size(); ++i)
        QTest::addRow("%s", profiles.at(i).row) << i;
}

// The program starts with the profile first in line, shows it harmlessly, and the user can
// open the dialog, look at the profile and delete it.
void tst_Hostile::userRemovesHostileProfile()
{
    QFETCH(int, profile);

    const HostileProfiles::Profile hostile = HostileProfiles::profiles().at(profile);
    QVERIFY(HostileProfiles::writeProfile(m_files, hostile));
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.mainForm->comboBoxEngine->itemText(0), HostileProfiles::hostileName);
    const QString preview = window.mainForm->textBrowserPreview->toPlainText();
    if (isWithinLayoutBounds(measureTemplateLayout(hostile.templateText)))
        QVERIFY2(preview.contains(exampleTitle),
                 qPrintable(window.mainForm->textBrowserPreview->toHtml()));
    else
        QCOMPARE(preview, templateBeyondBoundsMessage(HostileProfiles::hostileName));

    DialogDriver::runDialog(window, [&] {
        QVERIFY(DialogDriver::clickRow(window.engineForm, HostileProfiles::hostileName));
        QCOMPARE(window.engineForm->textEditTemplate->toPlainText(), hostile.templateText);
        auto answers = DialogDriver::answerBoxes({"&Yes"});
        window.engineForm->pushButtonDelete->click();
        QCOMPARE(answers->boxes.size(), 1);
    });
    QVERIFY(!QFile::exists(m_files + QLatin1Char('/') + HostileProfiles::hostileName
                           + QStringLiteral(".xml")));
    QCOMPARE(DialogDriver::comboRows(window), QStringList{HostileProfiles::goodName});
    QVERIFY(window.mainForm->textBrowserPreview->toPlainText().contains(exampleTitle));
}

void tst_Hostile::fuzzedTemplates_data()
{
    QTest::addColumn<QString>("templateText");

    // Kept from fuzz_previewdocument, each once slow or wrongly measured.
    QTest::addRow("tables in a quoted attribute")
        << QStringLiteral("<td title=\"<table><table>\"><table><table><table><table><table>");
    // Qt nested the table made for the last stray cell inside the one made for the first.
    QTest::addRow("stray cells") << QStringLiteral(
        "<table border=1><tr><td colspan=2>%)TIder=1><tTLE%</td></DFKaiSho-SB"
        "<table><tr><td>%TEXT%</td></tr></tabtr><td>%TEXT%</td></tr></table>"
        "</td><td>%URL%,/td></tr></tabl");
    // And put the table for a stray cell into the last cell of a table opened between rows.
    QTest::addRow("table between rows")
        << QStringLiteral("<table border=1><tr><td colspan=2>%TITLE%</td></tr>9tr>td><table><tr>"
                          "<td>x</td></tr></tabd>x</td></tr></table></td><td>");
}

// Each fuzzed template, first in line: either within the bounds and shown, or refused.
void tst_Hostile::fuzzedTemplates()
{
    QFETCH(QString, templateText);

    const HostileProfiles::Profile fuzzed{"fuzzed", templateText, HostileProfiles::nothing};
    QVERIFY(HostileProfiles::writeProfile(m_files, fuzzed));
    MainWindow window;
    QCOMPARE(window.mainForm->comboBoxEngine->itemText(0), HostileProfiles::hostileName);
    const bool within = isWithinLayoutBounds(measureTemplateLayout(templateText));
    QCOMPARE(window.mainForm->textBrowserPreview->toPlainText()
                 == templateBeyondBoundsMessage(HostileProfiles::hostileName),
             !within);
    window.mainForm->textBrowserPreview->grab();
}

void tst_Hostile::saveAsksAboutTemplateBeyondBounds_data()
{
    QTest::addColumn<QString>("templateText");
    QTest::addColumn<QString>("answer"); // empty: no question expected
    QTest::addColumn<bool>("saved");

    QTest::addRow("within, no question") << HostileProfiles::deepTables(4) << QString() << true;
    QTest::addRow("beyond, saved anyway") << HostileProfiles::deepTables(5) << "&Yes" << true;
    QTest::addRow("beyond, declined") << HostileProfiles::deepTables(24) << "&No" << false;
}

void tst_Hostile::saveAsksAboutTemplateBeyondBounds()
{
    QFETCH(QString, templateText);
    QFETCH(QString, answer);
    QFETCH(bool, saved);

    const QString name = QStringLiteral("Deep");
    MainWindow window;
    EngineForm *form = window.engineForm;
    DialogDriver::runDialog(window, [&] {
        form->pushButtonNew->click();
        form->lineEditName->setText(name);
        form->textEditTemplate->setPlainText(templateText);
        auto answers
            = DialogDriver::answerBoxes(answer.isEmpty() ? QStringList() : QStringList{answer});
        form->pushButtonSave->click();
        QCOMPARE(answers->boxes.size(), answer.isEmpty() ? 0 : 1);
        if (!answer.isEmpty())
            QVERIFY(answers->boxes.first().text.contains(u'"' + name + u'"'));
        // A declined save leaves the new engine unsaved; emptied, the dialog closes unasked.
        if (!saved) {
            form->lineEditName->clear();
            form->textEditTemplate->clear();
        }
    });
    QCOMPARE(readEngineValue(name, QStringLiteral("template")), saved ? templateText : QString());
    if (saved && !answer.isEmpty())
        QCOMPARE(window.mainForm->textBrowserPreview->toPlainText(),
                 templateBeyondBoundsMessage(name));
}

QTEST_MAIN(tst_Hostile)
#include "tst_hostile.moc"
