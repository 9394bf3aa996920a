// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/templatelayout.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>

namespace {
// Elements that Qt's parser never gives children ("link" is not one: what follows it is its
// content, hidden).
bool isVoid(const QString &tag)
{
    return tag == u"br" || tag == u"hr" || tag == u"img" || tag == u"meta";
}

// Elements that Qt lays out as blocks (or tables), where an open paragraph ends.
bool isBlock(const QString &tag)
{
    static const QStringList blocks{
        QStringLiteral("p"),      QStringLiteral("div"),     QStringLiteral("li"),
        QStringLiteral("ul"),     QStringLiteral("ol"),      QStringLiteral("dl"),
        QStringLiteral("dd"),     QStringLiteral("dt"),      QStringLiteral("blockquote"),
        QStringLiteral("h1"),     QStringLiteral("h2"),      QStringLiteral("h3"),
        QStringLiteral("h4"),     QStringLiteral("h5"),      QStringLiteral("h6"),
        QStringLiteral("pre"),    QStringLiteral("body"),    QStringLiteral("html"),
        QStringLiteral("center"), QStringLiteral("address"), QStringLiteral("table"),
        QStringLiteral("tr"),     QStringLiteral("td"),      QStringLiteral("th"),
        QStringLiteral("thead"),  QStringLiteral("tbody"),   QStringLiteral("tfoot")};
    return blocks.contains(tag);
}

bool startsBlock(const QString &tag)
{
    static const QStringList blocks{QStringLiteral("p"),
                                    QStringLiteral("div"),
                                    QStringLiteral("li"),
                                    QStringLiteral("dt"),
                                    QStringLiteral("dd"),
                                    QStringLiteral("pre"),
                                    QStringLiteral("blockquote"),
                                    QStringLiteral("h1"),
                                    QStringLiteral("h2"),
                                    QStringLiteral("h3"),
                                    QStringLiteral("h4"),
                                    QStringLiteral("h5"),
                                    QStringLiteral("h6"),
                                    QStringLiteral("br"),
                                    QStringLiteral("hr")};
    return blocks.contains(tag);
}

// Characters of text that make one line of the work measure.
constexpr qsizetype charactersPerLine = 64;
// Work is counted in quarters of a cell: a line of text costs about a quarter of a cell.
constexpr qint64 cellQuarters = 4;
// Beyond this a weight only says "too much"; it keeps the sums far from overflowing.
constexpr qint64 saturated = qint64(1) << 40;

qint64 times(qint64 a, qint64 b)
{
    if (a <= 0 || b <= 0)
        return 0;
    return a > saturated / b ? saturated : std::min(saturated, a * b);
}

struct Table
{
    // Made by Qt for a cell or row outside any table, or opened in a table outside its
    // cells: Qt may put what follows into such a table's last cell.
    bool stray = false;
    qsizetype deepest = 0; // the deepest table level reached inside it
    qint64 rows = 0;
    qint64 columns = 0;    // the widest row so far
    qint64 rowColumns = 0; // the open row's
};

struct Element
{
    QString tag;
    int table = -1; // index into the open tables when this element is a table
};

// The scanner follows QTextHtmlParser's reading of tags, so that no table can hide from it in
// text that Qt reads as a tag (Qt skips spaces after "<", reads quoted words and stops a tag
// at the first ">" after its attributes).
class Scanner
{
public:
    explicit Scanner(const QString &html)
        : m_text(html)
    {}

    TemplateLayout run()
    {
        qsizetype textRun = 0;
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos++);
            if (c == u'<') {
                addText(textRun);
                textRun = 0;
                parseTag();
            } else {
                ++textRun;
                if (m_watched)
                    noteText(m_pos - 1);
            }
        }
        addText(textRun);
        while (!m_open.isEmpty())
            pop();
        m_result.tableWork = std::min(saturated, m_quarters) / cellQuarters;
        return m_result;
    }

    // Watches `offsets` (ascending): allWatchedInFreeText() tells whether each of them was
    // read as text outside every table.
    void watch(const QList<qsizetype> &offsets) { m_watched = &offsets; }
    bool allWatchedInFreeText() const { return !m_watched || m_inFreeText == m_watched->size(); }

private:
    void noteText(qsizetype at)
    {
        const QList<qsizetype> &watched = *m_watched;
        while (m_nextWatched < watched.size() && watched.at(m_nextWatched) < at)
            ++m_nextWatched; // inside a tag
        if (m_nextWatched < watched.size() && watched.at(m_nextWatched) == at) {
            m_inFreeText += tableLevel() == 0 ? 1 : 0;
            ++m_nextWatched;
        }
    }

    bool hasPrefix(QChar c, qsizetype offset = 0) const
    {
        return m_pos + offset < m_text.size() && m_text.at(m_pos + offset) == c;
    }

    void eatSpace()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace()
               && m_text.at(m_pos) != QChar::ParagraphSeparator)
            ++m_pos;
    }

    QString parseWord()
    {
        QString word;
        if (hasPrefix(u'"')) {
            ++m_pos;
            while (m_pos < m_text.size()) {
                const QChar c = m_text.at(m_pos++);
                if (c == u'"')
                    break;
                word += c;
            }
            return word;
        }
        if (hasPrefix(u'\'')) {
            // A backslash before a single quote keeps the word open.
            ++m_pos;
            while (m_pos < m_text.size()) {
                const QChar c = m_text.at(m_pos++);
                if (c == u'\'' && m_text.at(m_pos - 2) != u'\\')
                    break;
                word += c;
            }
            return word;
        }
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos);
            if (c == u'>' || (c == u'/' && hasPrefix(u'>', 1)) || c == u'<' || c == u'='
                || c.isSpace())
                break;
            word += c;
            ++m_pos;
        }
        return word;
    }

    void skipPast(QChar end)
    {
        while (m_pos < m_text.size()) {
            if (m_text.at(m_pos++) == end)
                return;
        }
    }

    void parseTag()
    {
        eatSpace();
        if (hasPrefix(u'!')) {
            ++m_pos;
            if (hasPrefix(u'-') && hasPrefix(u'-', 1)) {
                const qsizetype end = m_text.indexOf(QStringLiteral("-->"), m_pos + 2);
                m_pos = end >= 0 ? end + 3 : m_text.size();
            } else {
                skipPast(u'>');
            }
            return;
        }
        if (hasPrefix(u'/')) {
            ++m_pos;
            const QString tag = parseWord().toLower().trimmed();
            skipPast(u'>');
            close(tag);
            return;
        }

        const QString tag = parseWord().toLower();
        qint64 colspan = 1;
        // Attributes only after a space behind the name.
        const bool attributes = m_pos < m_text.size() && m_text.at(m_pos).isSpace();
        while (attributes && m_pos < m_text.size()) {
            eatSpace();
            if (hasPrefix(u'>') || hasPrefix(u'/'))
                break;
            const QString key = parseWord().toLower();
            if (key.isEmpty())
                break;
            eatSpace();
            QString value;
            if (hasPrefix(u'=')) {
                ++m_pos;
                eatSpace();
                value = parseWord();
            }
            if (key == u"colspan") {
                bool ok = false;
                const qint64 span = value.trimmed().toLongLong(&ok);
                colspan = ok ? std::clamp<qint64>(span, 1, saturated) : 1;
            }
        }
        bool closed = false;
        while (m_pos < m_text.size() && m_text.at(m_pos) != u'>') {
            if (m_text.at(m_pos) == u'/')
                closed = true;
            ++m_pos;
        }
        ++m_pos;
        if (tag.isEmpty())
            return;
        open(tag, colspan, closed || isVoid(tag));
    }

    // How deeply Qt may nest what comes now in tables. A stray table is not always closed
    // where its end tag says (Qt nests tables that follow it in its last cell), so once closed
    // its depth still counts for the rest of the document.
    qsizetype tableLevel() const { return m_tables.size() + m_closedStray; }

    // The weight of work inside the tables open now.
    qint64 weight() const
    {
        return tableLevel() == 0 ? 0 : qint64(1) << std::min<qsizetype>(tableLevel() - 1, 40);
    }

    void addWork(qint64 quarters)
    {
        m_quarters = std::min(saturated, m_quarters + std::min(saturated, quarters));
    }

    void addText(qsizetype characters)
    {
        if (characters > 0 && tableLevel() > 0)
            addWork(times(weight(), (characters + charactersPerLine - 1) / charactersPerLine));
    }

    // Pops open elements down to and including the one at `index`.
    void popTo(qsizetype index)
    {
        while (m_open.size() > index)
            pop();
    }

    void pop()
    {
        const Element element = m_open.takeLast();
        if (element.table < 0)
            return;
        const Table table = m_tables.takeLast();
        const qsizetype level = tableLevel(); // of the tables around this one
        if (table.stray)
            m_closedStray += std::max<qsizetype>(table.deepest - level, 1);
        if (!m_tables.isEmpty())
            m_tables.last().deepest = std::max(m_tables.last().deepest, table.deepest);
        const qint64 cells
            = times(std::max<qint64>(table.rows, 1), std::max<qint64>(table.columns, 1));
        // A table is laid out with the weight of the tables around it, and then its own.
        const qint64 around = qint64(1) << std::min<qsizetype>(level, 40);
        addWork(times(times(cells, cellQuarters), around));
    }

    // The nearest open element named `tag` above any of `bounds`, -1 when there is none.
    qsizetype findOpen(const QStringList &tags, const QStringList &bounds) const
    {
        for (qsizetype i = m_open.size() - 1; i >= 0; --i) {
            if (tags.contains(m_open.at(i).tag))
                return i;
            if (bounds.contains(m_open.at(i).tag))
                return -1;
        }
        return -1;
    }

    void open(const QString &tag, qint64 colspan, bool empty)
    {
        static const QStringList tableParts{QStringLiteral("table"),
                                            QStringLiteral("thead"),
                                            QStringLiteral("tbody"),
                                            QStringLiteral("tfoot")};
        static const QStringList rows{QStringLiteral("tr")};
        static const QStringList tables{QStringLiteral("table")};

        if (startsBlock(tag) && tableLevel() > 0)
            addWork(weight());

        if (tag == u"p") {
            // A paragraph closes the inline elements of an open paragraph, and the paragraph.
            for (qsizetype i = m_open.size() - 1; i >= 0; --i) {
                if (isBlock(m_open.at(i).tag)) {
                    if (m_open.at(i).tag == u"p")
                        popTo(i);
                    break;
                }
            }
        } else if (tag == u"li") {
            if (!m_open.isEmpty() && m_open.last().tag == tag)
                pop();
        } else if (tag == u"td" || tag == u"th") {
            // Qt makes a table and a row for a cell that has none.
            if (findOpen(rows, {}) < 0) {
                push(QStringLiteral("table"), true);
                push(QStringLiteral("tr"));
                ++m_tables.last().rows;
            }
            const qsizetype row = findOpen(rows, tables);
            if (row >= 0)
                popTo(row + 1);
            if (!m_tables.isEmpty()) {
                Table &table = m_tables.last();
                if (table.rows == 0)
                    table.rows = 1;
                table.rowColumns = std::min(saturated, table.rowColumns + colspan);
                table.columns = std::max(table.columns, table.rowColumns);
            }
        } else if (tag == u"tr") {
            // And a table for a row that has none.
            if (findOpen(tables, {}) < 0)
                push(QStringLiteral("table"), true);
            const qsizetype part = findOpen(tableParts, {});
            if (part >= 0)
                popTo(part + 1);
            if (!m_tables.isEmpty()) {
                Table &table = m_tables.last();
                ++table.rows;
                table.rowColumns = 0;
            }
        }
        if (!empty)
            push(tag);
    }

    void push(const QString &tag, bool implicit = false)
    {
        Element element{tag};
        if (tag == u"table") {
            static const QStringList tableish{QStringLiteral("table"),
                                              QStringLiteral("thead"),
                                              QStringLiteral("tbody"),
                                              QStringLiteral("tfoot"),
                                              QStringLiteral("tr"),
                                              QStringLiteral("td"),
                                              QStringLiteral("th")};
            const qsizetype around = findOpen(tableish, {});
            const bool outsideCells
                = around >= 0 && m_open.at(around).tag != u"td" && m_open.at(around).tag != u"th";
            element.table = int(m_tables.size());
            m_tables.append(Table{implicit || outsideCells});
            m_tables.last().deepest = tableLevel();
            m_result.tableDepth = int(std::max<qsizetype>(m_result.tableDepth, tableLevel()));
        }
        m_open.append(element);
        m_result.depth = std::max(m_result.depth, int(m_open.size()));
    }

    void close(const QString &tag)
    {
        for (qsizetype i = m_open.size() - 1; i >= 0; --i) {
            if (m_open.at(i).tag == tag) {
                popTo(i);
                return;
            }
        }
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    QList<Element> m_open;
    QList<Table> m_tables;
    qint64 m_quarters = 0;
    qsizetype m_closedStray = 0;
    TemplateLayout m_result;
    const QList<qsizetype> *m_watched = nullptr;
    qsizetype m_nextWatched = 0;
    qsizetype m_inFreeText = 0;
};
} // namespace

TemplateLayout measureTemplateLayout(const QString &html)
{
    return Scanner(html).run();
}

TemplateLayout
measureTemplateLayout(const QString &html, const QList<qsizetype> &offsets, bool *inFreeText)
{
    Scanner scanner(html);
    scanner.watch(offsets);
    const TemplateLayout layout = scanner.run();
    *inFreeText = scanner.allWatchedInFreeText();
    return layout;
}

bool isWithinLayoutBounds(const TemplateLayout &layout)
{
    return layout.depth <= maxTemplateDepth && layout.tableDepth <= maxTableDepth
           && layout.tableWork <= maxTableWork;
}

QString templateBeyondBoundsMessage(const QString &engineName)
{
    return QCoreApplication::translate("MainWindow",
                                       "The template of the engine \"%1\" is not shown: it nests "
                                       "tables or other elements too deeply, or holds too many "
                                       "table cells, for the preview to lay it out in reasonable "
                                       "time.")
        .arg(engineName);
}
