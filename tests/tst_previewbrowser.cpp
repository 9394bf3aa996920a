// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's gate for what a template loads: regular files within the caps load, anything
// else shows as a missing image at once, and typing never reads a file again.
#include "ads/templateresources.h"
#include "engines/enginefile.h"
#include "hostileprofiles.h"
#include "testsupport.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"
#include "ui/previewbrowser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTextDocument>
#include <QtTest>

#include <sys/stat.h>

namespace {
const QSize logoSize(40, 30);
// The side of a square image at the pixel cap.
constexpr int capSide = 1024;
static_assert(qint64(capSide) * capSide == maxImagePixels);

QImage missing()
{
    return QPixmap(QStringLiteral(":/qt-project.org/styles/commonstyle/images/file-16.png"))
        .toImage();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray png(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(qRgb(200, 40, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
} // namespace

class tst_PreviewBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void images_data();
    void images();
    void styleSheets();
    void budgetPerEngine();
    void readOncePerEngine();

private:
    QString m_folder; // the engine's own folder
    QString m_outside;
};

void tst_PreviewBrowser::initTestCase()
{
    TestSupport::isolate();
    QVERIFY(!missing().isNull());
    const QString files = TestSupport::resetEnginesFolder();
    m_folder = files + QStringLiteral("/Logo");
    m_outside = QCoreApplication::applicationDirPath() + QStringLiteral("/outside");
    QDir(m_outside).removeRecursively();
    QVERIFY(QDir().mkpath(m_folder + QStringLiteral("/sub")));
    QVERIFY(QDir().mkpath(m_outside));
    writeFile(m_folder + QStringLiteral("/logo.png"), png(logoSize));
    writeFile(m_outside + QStringLiteral("/logo.png"), png(logoSize));
    writeFile(m_folder + QStringLiteral("/text.png"), "not an image");
    writeFile(m_folder + QStringLiteral("/at-cap.png"), png(QSize(capSide, capSide)));
    writeFile(m_folder + QStringLiteral("/tall.png"),
              HostileProfiles::pngHeader(1, maxImagePixels + 1));
    writeFile(m_folder + QStringLiteral("/wide.png"),
              HostileProfiles::pngHeader(capSide + 1, capSide));
    QByteArray big = png(logoSize);
    big.append(QByteArray(maxResourceBytes + 1 - big.size(), '\0'));
    writeFile(m_folder + QStringLiteral("/big.png"), big);
    QVERIFY(QFile::link(m_outside + QStringLiteral("/logo.png"),
                        m_folder + QStringLiteral("/link.png")));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), m_folder + QStringLiteral("/zero.png")));
    QCOMPARE(mkfifo(QFile::encodeName(m_folder + QStringLiteral("/pipe.png")).constData(), 0600),
             0);
}

void tst_PreviewBrowser::images_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QSize>("size"); // empty: shows as missing

    const QString dataUrl
        = QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png(logoSize).toBase64());
    QTest::addRow("in the engine's folder") << "logo.png" << logoSize;
    QTest::addRow("through a subfolder") << "sub/../logo.png" << logoSize;
    QTest::addRow("absolute path") << m_outside + "/logo.png" << logoSize;
    QTest::addRow("file URL") << QUrl::fromLocalFile(m_outside + "/logo.png").toString()
                              << logoSize;
    QTest::addRow("link to a logo") << "link.png" << logoSize;
    QTest::addRow("at the pixel cap") << "at-cap.png" << QSize(capSide, capSide);
    QTest::addRow("embedded in the program") << "qrc:/img/logo.png" << QSize(16, 16);
    QTest::addRow("/dev/zero") << "/dev/zero" << QSize();
    QTest::addRow("file URL of /dev/zero") << "file:///dev/zero" << QSize();
    QTest::addRow("link to /dev/zero") << "zero.png" << QSize();
    QTest::addRow("named pipe") << "pipe.png" << QSize();
    QTest::addRow("folder") << "sub" << QSize();
    QTest::addRow("root folder") << "/" << QSize();
    QTest::addRow("one byte over the byte cap") << "big.png" << QSize();
    QTest::addRow("one pixel over the pixel cap") << "tall.png" << QSize();
    QTest::addRow("one column over the pixel cap") << "wide.png" << QSize();
    QTest::addRow("not an image") << "text.png" << QSize();
    QTest::addRow("no such file") << "none.png" << QSize();
    QTest::addRow("web address") << "http://127.0.0.1:9/logo.png" << QSize();
    QTest::addRow("data URL") << dataUrl << QSize();
}

void tst_PreviewBrowser::images()
{
    QFETCH(QString, reference);
    QFETCH(QSize, size);

    PreviewBrowser browser;
    browser.setSearchPaths({m_folder});
    browser.setHtml(QStringLiteral("<img src=\"%1\"><table background=\"%1\"><tr><td>x</td></tr>"
                                   "</table>")
                        .arg(reference.toHtmlEscaped()));
    const QVariant resource
        = browser.document()->resource(QTextDocument::ImageResource, QUrl(reference));
    const QImage image = resource.value<QPixmap>().toImage();
    if (size.isEmpty()) {
        QCOMPARE(image, missing());
    } else {
        QCOMPARE(image.size(), size);
        QVERIFY(image != missing());
    }
    // The image and the background are one resource, read once.
    QVERIFY(browser.filesOpened() <= 1);
}

void tst_PreviewBrowser::styleSheets()
{
    writeFile(m_folder + QStringLiteral("/style.css"), "b { color: #00ff00; }");
    QCOMPARE(mkfifo(QFile::encodeName(m_folder + QStringLiteral("/pipe.css")).constData(), 0600),
             0);
    PreviewBrowser browser;
    browser.setSearchPaths({m_folder});
    browser.setHtml(
        QStringLiteral("<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">"
                       "<link rel=\"stylesheet\" type=\"text/css\" href=\"pipe.css\">"
                       "<link rel=\"stylesheet\" type=\"text/css\" href=\"/dev/zero\"></head>"
                       "<body><b>green</b></body></html>"));
    QCOMPARE(browser.document()->resource(QTextDocument::StyleSheetResource, QUrl("style.css")),
             QVariant(QStringLiteral("b { color: #00ff00; }")));
    QCOMPARE(browser.document()->resource(QTextDocument::StyleSheetResource, QUrl("pipe.css")),
             QVariant(QString()));
    QCOMPARE(browser.document()->resource(QTextDocument::StyleSheetResource, QUrl("/dev/zero")),
             QVariant(QString()));
    QVERIFY(browser.toHtml().contains(QStringLiteral("#00ff00")));
}

void tst_PreviewBrowser::budgetPerEngine()
{
    for (const char *name : {"a.png", "b.png", "c.png"})
        QVERIFY(QFile::copy(m_folder + QStringLiteral("/at-cap.png"),
                            m_folder + QLatin1Char('/') + QLatin1String(name)));
    PreviewBrowser browser;
    browser.setSearchPaths({m_folder});
    browser.setHtml(QStringLiteral("<img src=\"a.png\"><img src=\"b.png\"><img src=\"c.png\">"));
    const auto sizeOf = [&](const char *name) {
        return browser.document()
            ->resource(QTextDocument::ImageResource, QUrl(QLatin1String(name)))
            .value<QPixmap>()
            .size();
    };
    // Two images at the pixel cap fit an engine's budget; the third shows as missing.
    QCOMPARE(sizeOf("a.png"), QSize(capSide, capSide));
    QCOMPARE(sizeOf("b.png"), QSize(capSide, capSide));
    QCOMPARE(sizeOf("c.png"), missing().size());
    // Another engine starts afresh.
    browser.forgetResources();
    browser.setHtml(QStringLiteral("<img src=\"c.png\">"));
    QCOMPARE(sizeOf("c.png"), QSize(capSide, capSide));
}

void tst_PreviewBrowser::readOncePerEngine()
{
    QVERIFY(writeEngineFile(QStringLiteral("Logo"),
                            QString(),
                            30,
                            90,
                            30,
                            0,
                            0,
                            QStringLiteral("<img src=\"logo.png\"><img src=\"pipe.png\">%TITLE%")));
    MainWindow window;
    auto *preview = dynamic_cast<PreviewBrowser *>(window.mainForm->textBrowserPreview);
    QVERIFY(preview);
    window.mainForm->checkBoxPreview->setChecked(true);
    // Images load when the preview is painted; every setHtml() asks for them again.
    const auto layOut = [preview] { preview->grab(); };
    window.comboBoxEngine_activated(0);
    layOut();
    QCOMPARE(preview->filesOpened(), 2);
    QTest::keyClicks(window.mainForm->lineEditTitle, QStringLiteral("typing"));
    layOut();
    QVERIFY(preview->toPlainText().contains(QStringLiteral("typing")));
    QCOMPARE(preview->filesOpened(), 2);
    // Chosen again, the engine's files are read afresh, once.
    window.comboBoxEngine_activated(0);
    layOut();
    QCOMPARE(preview->filesOpened(), 2);
}

QTEST_MAIN(tst_PreviewBrowser)
#include "tst_previewbrowser.moc"
