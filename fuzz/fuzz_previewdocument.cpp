// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A template and fields through the preview into the document the preview browser lays out at
// the preview's width, as the program shows it: a document within the layout bounds must be
// laid out quickly (run under libFuzzer's -timeout, so a slow one is a finding), and must
// never hold more nested tables than the bound's measure saw. Resources load through the
// preview's gate from an empty engine folder.
//
// Input: byte 0 is a separator, byte 1 chooses the width (even: 700 pixels, the form's
// design size less its margins; odd: 360, the default window's). The rest, split at the
// separator: template, title, text, URL, limitTitle, limitText, limitURL, textLineBreak.
#include "ads/preview.h"
#include "ads/templatelayout.h"
#include "engines/enginefile.h"
#include "ui/previewbrowser.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QByteArrayList>
#include <QDir>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
int qtTableDepth(const QTextFrame *frame)
{
    int deepest = 0;
    const QList<QTextFrame *> children = frame->childFrames();
    for (const QTextFrame *child : children)
        deepest = qMax(deepest, qtTableDepth(child));
    return deepest + (qobject_cast<const QTextTable *>(frame) ? 1 : 0);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_previewdocument";
    static char *argv[] = {name, nullptr};
    static QApplication *application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    static PreviewBrowser *browser = [] {
        auto *created = new PreviewBrowser;
        const QString folder = QDir::tempPath() + QStringLiteral("/fuzz-previewdocument-empty");
        QDir().mkpath(folder);
        created->setSearchPaths({folder});
        return created;
    }();
    Q_UNUSED(application);

    if (size < 2)
        return 0;
    const char separator = char(data[0]);
    const int width = data[1] % 2 ? 360 : 700;
    QByteArrayList parts = QByteArray(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2))
                               .split(separator);
    while (parts.size() < 8)
        parts.append(QByteArray());
    const auto text = [&](int i) { return QString::fromUtf8(parts.at(i)); };
    const auto number = [&](int i) { return engineNumber(QString::fromUtf8(parts.at(i))); };

    const QString document = renderPreview(
        text(0), AdFields{text(1), text(2), text(3)}, number(4), number(5), number(6), number(7));
    const TemplateLayout layout = measureTemplateLayout(document);
    if (!isWithinLayoutBounds(layout))
        return 0; // the program shows a message instead

    browser->forgetResources();
    browser->setHtml(document);
    QTextDocument *laidOut = browser->document();
    laidOut->setTextWidth(width);
    laidOut->documentLayout()->documentSize();
    const int qtDepth = qtTableDepth(laidOut->rootFrame());
    if (qtDepth > layout.tableDepth) {
        std::fprintf(stderr,
                     "fuzz_previewdocument: Qt nests %d tables, the measure saw %d\n%s\n",
                     qtDepth,
                     layout.tableDepth,
                     qUtf8Printable(document));
        std::abort();
    }
    return 0;
}
