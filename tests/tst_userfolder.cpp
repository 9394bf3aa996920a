// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the engines live when the program's own folder is read-only, and how the user's folder
// takes in the shipped profiles without ever undoing what the user did to them.
#include "dialogdriver.h"

#include "engines/catalogue.h"
#include "engines/enginesfolder.h"
#include "engines/symbolpath.h"
#include "engines/userfolder.h"

#include <QTemporaryDir>

#include <unistd.h>

using namespace DialogDriver;

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size();
}

QByteArray profile(const QString &name, int position)
{
    return QStringLiteral(
               "<Engine>\n<Name value=\"%1\"/>\n<Symbol value=\"files/%1/symbol.png\"/>\n"
               "<limitTitle value=\"30\"/>\n<listPosition value=\"%2\"/>\n</Engine>\n")
        .arg(name)
        .arg(position)
        .toUtf8();
}

// What the user does between two starts.
enum class Between {
    Nothing,
    ChangeA,
    DeleteA,
    RenameA,
    NewShippedC,
    OwnCThenShippedC,
    OnlyNegativeThenShippedC
};
} // namespace

Q_DECLARE_METATYPE(Between)

class tst_UserFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void writableFolder_data();
    void writableFolder();
    void writableInstallStays();
    void firstStartCopiesShippedProfiles();
    void laterStart_data();
    void laterStart();
    void missingListKeepsUsersProfiles();
    void problemsAreReported_data();
    void problemsAreReported();

    void readOnlyInstallSavesIntoUserFolder();
    void unusableUserFolderIsShown();

private:
    // A scratch install folder with shipped profiles A (position 0) and B (1), each with a
    // symbol in its own folder, and a scratch user folder.
    std::unique_ptr<QTemporaryDir> m_scratch;
    QTemporaryDir m_data;
    QString m_app;
    QString m_user;
    QString shipped(const QString &file) const { return m_app + QStringLiteral("/files/") + file; }
    QString mine(const QString &file) const { return m_user + QStringLiteral("/files/") + file; }
    // The install folder reads as one the user cannot write to, unless a test says otherwise:
    // tests run as root, who may write anywhere.
    bool m_installWritable = false;
    static WindowSeams readOnlyInstall()
    {
        WindowSeams seams;
        seams.isWritableFolder = [](const QString &) { return false; };
        return seams;
    }
    EnginesFolderChoice start() const
    {
        return chooseEnginesFolder(
            m_app, m_user, [this](const QString &) { return m_installWritable; });
    }
};

void tst_UserFolder::initTestCase()
{
    // The user's data folder of the program, away from the real home.
    QVERIFY(m_data.isValid());
    qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
    TestSupport::isolate();
}

void tst_UserFolder::init()
{
    m_scratch = std::make_unique<QTemporaryDir>();
    QVERIFY(m_scratch->isValid());
    m_app = m_scratch->filePath(QStringLiteral("install"));
    m_user = m_scratch->filePath(QStringLiteral("home/Vellumo/VELM"));
    for (const QString &name : {QStringLiteral("A"), QStringLiteral("B")}) {
        QVERIFY(put(shipped(name + QStringLiteral(".xml")), profile(name, name == "A" ? 0 : 1)));
        QVERIFY(put(shipped(name + QStringLiteral("/symbol.png")), name.toUtf8() + "-png"));
    }
    m_installWritable = false;
}

void tst_UserFolder::cleanup()
{
    App::setApplicationDirectory(QCoreApplication::applicationDirPath());
    m_scratch.reset();
}

void tst_UserFolder::writableFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("writable");
    QTest::addRow("existing folder") << "install/files" << true;
    QTest::addRow("missing folder in a folder") << "install/nothing" << true;
    QTest::addRow("below a file") << "install/files/A.xml/files" << false;
    QTest::addRow("a file") << "install/files/A.xml" << false;
    QTest::addRow("below a missing folder") << "install/none/files" << false;
    QTest::addRow("dangling link") << "link" << false;
    QTest::addRow("read-only folder") << "readonly" << false;
}

void tst_UserFolder::writableFolder()
{
    QFETCH(QString, path);
    QFETCH(bool, writable);
    const QString full = m_scratch->filePath(path);
    if (path == "link")
        QVERIFY(QFile::link(m_scratch->filePath(QStringLiteral("gone")), full));
    if (path == "readonly") {
        if (geteuid() == 0)
            QSKIP("root may write into a read-only folder");
        QVERIFY(QDir().mkpath(full));
        QVERIFY(QFile::setPermissions(full, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    QCOMPARE(isWritableFolder(full), writable);
}

void tst_UserFolder::writableInstallStays()
{
    m_installWritable = true;
    const EnginesFolderChoice choice = start();
    QCOMPARE(choice.folder, m_app + QStringLiteral("/files"));
    QVERIFY(!choice.inUserFolder);
    QCOMPARE(::enginesFolder(), choice.folder);
    QVERIFY(!QFileInfo::exists(m_user));
    QCOMPARE(orderedEngineNames(), QStringList({"A", "B"}));
}

void tst_UserFolder::firstStartCopiesShippedProfiles()
{
    const EnginesFolderChoice choice = start();
    QVERIFY(choice.inUserFolder);
    QVERIFY2(choice.problem.isEmpty(), qPrintable(choice.problem));
    QCOMPARE(choice.folder, m_user + QStringLiteral("/files"));
    QCOMPARE(::enginesFolder(), choice.folder);
    QCOMPARE(choice.copied, QStringList({"A", "B"}));
    for (const QString file : {"A.xml", "B.xml", "A/symbol.png", "B/symbol.png"})
        QCOMPARE(contents(mine(file)), contents(shipped(file)));
    QCOMPARE(orderedEngineNames(), QStringList({"A", "B"}));
    // The relative symbol leads to the user's copy, not back into the install.
    QCOMPARE(resolveSymbolPath(QStringLiteral("files/A/symbol.png")), mine("A/symbol.png"));
    QVERIFY(QFileInfo(mine("A.xml")).isWritable());
    // The user's folder takes a saved engine.
    QVERIFY(writeEngineValues(QStringLiteral("Mine"), readEngineValues(QStringLiteral("A")), 2));
    QVERIFY(QFileInfo::exists(mine("Mine.xml")));
    QVERIFY(!QFileInfo::exists(shipped("Mine.xml")));
}

void tst_UserFolder::laterStart_data()
{
    QTest::addColumn<Between>("between");
    QTest::addColumn<QStringList>("copied");
    QTest::addColumn<QStringList>("listed");
    QTest::addRow("nothing") << Between::Nothing << QStringList() << QStringList{"A", "B", "Mine"};
    QTest::addRow("A changed") << Between::ChangeA << QStringList()
                               << QStringList{"A", "B", "Mine"};
    QTest::addRow("A deleted") << Between::DeleteA << QStringList() << QStringList{"B", "Mine"};
    QTest::addRow("A renamed") << Between::RenameA << QStringList()
                               << QStringList{"B", "Mine", "Renamed"};
    QTest::addRow("new version ships C")
        << Between::NewShippedC << QStringList{"C"} << QStringList{"A", "B", "Mine", "C"};
    QTest::addRow("user had C before the version that ships it")
        << Between::OwnCThenShippedC << QStringList() << QStringList{"C", "A", "B", "Mine"};
    QTest::addRow("C after the user's only engine, at -5")
        << Between::OnlyNegativeThenShippedC << QStringList{"C"} << QStringList{"Mine", "C"};
}

void tst_UserFolder::laterStart()
{
    QFETCH(Between, between);
    QFETCH(QStringList, copied);
    QFETCH(QStringList, listed);
    QCOMPARE(start().copied, QStringList({"A", "B"}));
    QVERIFY(writeEngineValues(QStringLiteral("Mine"), readEngineValues(QStringLiteral("B")), 7));

    switch (between) {
    case Between::Nothing:
        break;
    case Between::ChangeA: {
        EngineProfile changed;
        changed.limitTitle = 99;
        QVERIFY(writeEngineValues(QStringLiteral("A"), changed, 0));
        QVERIFY(put(mine("A/symbol.png"), "changed"));
        break;
    }
    case Between::DeleteA:
        QVERIFY(QFile::remove(mine("A.xml")));
        break;
    case Between::RenameA:
        QVERIFY(QFile::rename(mine("A.xml"), mine("Renamed.xml")));
        QVERIFY(writeEngineValues(QStringLiteral("Renamed"), readEngineValues("Renamed"), 9));
        break;
    case Between::NewShippedC:
        QVERIFY(put(shipped("C.xml"), profile(QStringLiteral("C"), 2)));
        QVERIFY(put(shipped("C/symbol.png"), "C-png"));
        break;
    case Between::OwnCThenShippedC:
        QVERIFY(put(mine("C.xml"), profile(QStringLiteral("C"), -1)));
        QVERIFY(put(shipped("C.xml"), profile(QStringLiteral("C"), 2)));
        break;
    case Between::OnlyNegativeThenShippedC:
        QVERIFY(QFile::remove(mine("A.xml")) && QFile::remove(mine("B.xml")));
        QVERIFY(writeEngineValues(QStringLiteral("Mine"), readEngineValues("Mine"), -5));
        QVERIFY(put(shipped("C.xml"), profile(QStringLiteral("C"), 2)));
        QVERIFY(put(shipped("C/symbol.png"), "C-png"));
        break;
    }
    QMap<QString, QByteArray> before;
    const QStringList usersFiles = QDir(m_user + QStringLiteral("/files")).entryList(QDir::Files);
    for (const QString &file : usersFiles)
        before.insert(file, contents(mine(file)));
    const QByteArray symbolBefore = contents(mine("A/symbol.png"));

    const EnginesFolderChoice again = start();
    QVERIFY2(again.problem.isEmpty(), qPrintable(again.problem));
    QCOMPARE(again.copied, copied);
    QCOMPARE(orderedEngineNames(), listed);
    // What the user had stays byte for byte, symbols included.
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QVERIFY2(contents(mine(it.key())) == it.value(), qPrintable(it.key()));
    QCOMPARE(contents(mine("A/symbol.png")), symbolBefore);
    if (copied.contains("C")) {
        // After the user's last engine, not on a position of theirs.
        const int last = readEngineFile(QStringLiteral("Mine")).profile.listPosition;
        QCOMPARE(readEngineFile(QStringLiteral("C")).profile.listPosition, last + 1);
        QCOMPARE(contents(mine("C/symbol.png")), QByteArray("C-png"));
    }
    // A third start brings nothing back, even what the user removed since.
    QFile::remove(mine("C.xml"));
    QFile::remove(mine("B.xml"));
    QVERIFY(start().copied.isEmpty());
    QVERIFY(!QFileInfo::exists(mine("B.xml")));
    QVERIFY(!QFileInfo::exists(mine("C.xml")));
}

void tst_UserFolder::missingListKeepsUsersProfiles()
{
    // A user folder from before the list existed, or whose list was lost: the profiles there
    // stay, and only the missing ones are copied.
    QVERIFY(put(mine("A.xml"), "mine"));
    const EnginesFolderChoice choice = start();
    QCOMPARE(choice.copied, QStringList({"B"}));
    QCOMPARE(contents(mine("A.xml")), QByteArray("mine"));
    QCOMPARE(QDir(m_user + QStringLiteral("/files")).entryList({"*.xml"}, QDir::Files).size(), 2);
    QCOMPARE(contents(m_user + QLatin1Char('/') + QLatin1String(offeredProfilesFileName)),
             QByteArray("A\nB\n"));
}

void tst_UserFolder::problemsAreReported_data()
{
    QTest::addColumn<QString>("blocked"); // made a file or folder where the copy needs the other
    QTest::addColumn<QStringList>("copied");
    QTest::addColumn<QString>("named"); // what the problem names
    QTest::addRow("user folder below a file") << "" << QStringList() << "files";
    QTest::addRow("list of offered profiles is a folder")
        << QString::fromLatin1(offeredProfilesFileName) << QStringList{"A", "B"}
        << QString::fromLatin1(offeredProfilesFileName);
    QTest::addRow("symbol folder is a file") << "files/A" << QStringList{"A", "B"} << "files";
}

void tst_UserFolder::problemsAreReported()
{
    QFETCH(QString, blocked);
    QFETCH(QStringList, copied);
    QFETCH(QString, named);
    if (blocked.isEmpty()) {
        QVERIFY(put(m_scratch->filePath(QStringLiteral("plain")), "a file"));
        m_user = m_scratch->filePath(QStringLiteral("plain/Vellumo/VELM"));
    } else if (blocked.startsWith(QLatin1String("files/"))) {
        QVERIFY(put(m_user + QLatin1Char('/') + blocked, "a file"));
    } else {
        QVERIFY(QDir().mkpath(m_user + QLatin1Char('/') + blocked));
    }
    const EnginesFolderChoice choice = start();
    QVERIFY(choice.inUserFolder);
    QCOMPARE(choice.copied, copied);
    QVERIFY2(choice.problem.contains(QDir::toNativeSeparators(m_user + QLatin1Char('/') + named)),
             qPrintable(choice.problem));
    // Nothing is written into the install instead.
    QCOMPARE(QDir(m_app + QStringLiteral("/files")).entryList(QDir::Files).size(), 2);
}

void tst_UserFolder::readOnlyInstallSavesIntoUserFolder()
{
    // The test's own folder plays the read-only install, with the profiles that ship.
    const QString installed = TestSupport::resetEnginesFolder();
    QDir(App::userDataFolder()).removeRecursively();
    const QStringList shippedNames
        = QDir(QStringLiteral(VELLUMO_SOURCE_DIR "/files")).entryList({"*.xml"}, QDir::Files);
    for (const QString &file : shippedNames)
        QVERIFY(QFile::copy(QStringLiteral(VELLUMO_SOURCE_DIR "/files/") + file,
                            installed + QLatin1Char('/') + file));
    const QStringList installedBefore = QDir(installed).entryList(QDir::Files);

    MainWindow window(readOnlyInstall());
    const QString users = App::userDataFolder() + QStringLiteral("/files");
    QVERIFY(users.startsWith(m_data.path()));
    QCOMPARE(::enginesFolder(), users);
    const QStringList listed = comboRows(window);
    QCOMPARE(listed.size(), shippedNames.size());
    QVERIFY(listed.contains(QStringLiteral("Google Ads")));

    EngineForm *form = window.engineForm;
    runDialog(window, [&] {
        form->pushButtonNew->click();
        QTest::keyClicks(form->lineEditName, QStringLiteral("Own"));
        QTest::keyClicks(form->textEditTemplate, QStringLiteral("<b>%TITLE%</b>"));
        form->pushButtonSave->click();
        QCOMPARE(listRows(form), listed + QStringList{"Own"});
    });
    QCOMPARE(comboRows(window), listed + QStringList{"Own"});
    QVERIFY(QFileInfo::exists(users + QStringLiteral("/Own.xml")));
    QCOMPARE(QDir(installed).entryList(QDir::Files), installedBefore);

    // The next start neither duplicates nor brings back anything.
    QVERIFY(QFile::remove(users + QStringLiteral("/Google Ads.xml")));
    MainWindow next(readOnlyInstall());
    QCOMPARE(comboRows(next).size(), listed.size());
    QVERIFY(!comboRows(next).contains(QStringLiteral("Google Ads")));
}

void tst_UserFolder::unusableUserFolderIsShown()
{
    const QString blocker = m_scratch->filePath(QStringLiteral("blocker"));
    QVERIFY(put(blocker, "a file"));
    qputenv("XDG_DATA_HOME", blocker.toUtf8());
    const auto answers = answerBoxes({QStringLiteral("OK")});
    {
        MainWindow window(readOnlyInstall());
        QCOMPARE(window.mainForm->comboBoxEngine->count(), 0);
    }
    qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
    QCOMPARE(answers->boxes.size(), 1);
    QCOMPARE(answers->boxes.first().title, QStringLiteral("Warning"));
    QVERIFY(answers->boxes.first().text.contains(QStringLiteral("cannot be created")));
}

QTEST_MAIN(tst_UserFolder)
#include "tst_userfolder.moc"
