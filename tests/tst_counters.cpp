// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/counters.h"

#include "testsupport.h"
#include <QTranslator>

#include <QtTest>

using namespace Qt::StringLiterals;

class tst_Counters : public QObject
{
    Q_OBJECT

private slots:
    void lineBreakHint_data();
    void lineBreakHint();
    void translatedHintIsData();
};

void tst_Counters::lineBreakHint_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("hint");

    const auto after = [](int n) { return u"(Newline after: %1 chars)"_s.arg(n); };
    const QString disabled = u"(Newline disabled)"_s;
    QTest::addRow("w30 n0") << 0 << 30 << after(30);
    QTest::addRow("w30 n29") << 29 << 30 << after(1);
    QTest::addRow("w30 n30") << 30 << 30 << after(30);
    QTest::addRow("w30 n31") << 31 << 30 << after(29);
    QTest::addRow("w30 n2300") << 2300 << 30 << after(10);
    QTest::addRow("w6 n0") << 0 << 6 << after(6);
    QTest::addRow("w6 n7") << 7 << 6 << after(5);
    QTest::addRow("w0") << 0 << 0 << disabled;
    QTest::addRow("w0 n12") << 12 << 0 << disabled;
    QTest::addRow("w3") << 0 << 3 << disabled;
    QTest::addRow("w5") << 4 << 5 << disabled;
    QTest::addRow("negative w") << 4 << -8 << disabled;
}

void tst_Counters::lineBreakHint()
{
    QFETCH(int, length);
    QFETCH(int, width);
    QFETCH(QString, hint);
    QCOMPARE(::lineBreakHint(length, width), hint);
}

namespace {
// A translation whose text would break a printf-style format.
class HintTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "MainWindow") == 0
            && qstrcmp(sourceText, "(Newline after: %i chars)") == 0)
            return u"%s 100% (%i/%d)"_s;
        return QString();
    }
    bool isEmpty() const override { return false; }
};
} // namespace

void tst_Counters::translatedHintIsData()
{
    HintTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString hint = ::lineBreakHint(3, 10);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(hint, u"%s 100% (7/%d)"_s);
}

QTEST_GUILESS_MAIN(tst_Counters)
#include "tst_counters.moc"
