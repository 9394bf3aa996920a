// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// vellumo-check over a copy deck of 500,000 ads and the three shipped engines, against the
// floor of reading and splitting the same file with libcsv; each run a fresh process. Also the
// checker's peak memory against the file's size. Times are processor time (best of 5). On
// 100,000 ads the floor took under 90 ms, so process start and noise decided the ratio.
// Then the same over 20,000 responsive search ads of 15 titles and 4 texts each.
#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

namespace {
constexpr int ads = 500000;
constexpr int responsiveAds = 20000;
constexpr int runs = 5;

struct Run
{
    double milliseconds = 0; // processor time, user and system: on a shared machine the
                             // wall clock mostly measures the neighbours
    double wallMilliseconds = 0;
    double peakKiB = 0;
};

double now()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Spawns the program with its output thrown away; wait4 gives the child's own peak memory.
Run runOnce(const std::vector<QByteArray> &arguments, int expected)
{
    std::vector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    Run run;
    const double start = now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.wallMilliseconds = now() - start;
    run.milliseconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                       + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    run.peakKiB = double(usage.ru_maxrss);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != expected) {
        std::fprintf(stderr, "%s ended with status %d\n", argv[0], status);
        std::exit(1);
    }
    return run;
}

Run best(const std::vector<QByteArray> &arguments, int expected)
{
    runOnce(arguments, expected); // warms the file cache
    Run fastest{1e300, 1e300, 0};
    for (int i = 0; i < runs; ++i) {
        const Run run = runOnce(arguments, expected);
        fastest.milliseconds = std::min(fastest.milliseconds, run.milliseconds);
        fastest.wallMilliseconds = std::min(fastest.wallMilliseconds, run.wallMilliseconds);
        fastest.peakKiB = std::max(fastest.peakKiB, run.peakKiB);
    }
    return fastest;
}

QStringList bakeryWords()
{
    return QString::fromUtf8("fresh bread daily sourdough rye order online "
                             "диваны скидки パン delivery warm bakery morning")
        .split(QLatin1Char(' '));
}

// `count` words picked from `words`.
QString randomPhrase(QRandomGenerator &random, const QStringList &words, int count)
{
    QStringList picked;
    for (int i = 0; i < count; ++i)
        picked << words.at(int(random.bounded(int(words.size()))));
    return picked.join(u' ');
}

// A copy deck as an agency keeps one: a few columns of its own, quoted text with commas,
// Cyrillic and Japanese rows, and one ad in ten too long for some engine. Written line by
// line: a child's peak memory counts its parent's too (the exec happens in the parent's
// memory), so the benchmark itself must stay small.
bool writeCopyDeck(QFile &file)
{
    QRandomGenerator random(11);
    const QStringList words = bakeryWords();
    const auto phrase = [&](int count) { return randomPhrase(random, words, count); };
    bool ok = file.write("\xEF\xBB\xBF"
                         "Campaign,Ad group,Headline,Description,Display URL\r\n")
              > 0;
    for (int i = 0; i < ads; ++i) {
        const bool tooLong = i % 10 == 0;
        const QByteArray line
            = QStringLiteral("Bakery %1,Group %2,%3,\"%4, %5\",example.com/%6\r\n")
                  .arg(i % 7)
                  .arg(i % 53)
                  .arg(phrase(tooLong ? 6 : 3), phrase(6), phrase(tooLong ? 9 : 4))
                  .arg(words.at(i % 7))
                  .toUtf8();
        ok = ok && file.write(line) == line.size();
    }
    return ok;
}
// Responsive search ads in our deck's layout: 15 titles, 4 texts, a display URL with two paths
// and a final URL; one ad in ten has a title too long and one in twenty a title twice.
bool writeResponsiveDeck(QFile &file)
{
    QRandomGenerator random(17);
    const QStringList words = bakeryWords();
    const auto phrase = [&](int count) { return randomPhrase(random, words, count); };
    QStringList header{QStringLiteral("Title"), QStringLiteral("Text"), QStringLiteral("URL")};
    for (int title = 2; title <= 15; ++title)
        header << QStringLiteral("Title %1").arg(title);
    for (int text = 2; text <= 4; ++text)
        header << QStringLiteral("Text %1").arg(text);
    header << QStringLiteral("Final URL");
    bool ok = file.write("\xEF\xBB\xBF" + header.join(u',').toUtf8() + "\r\n") > 0;
    for (int i = 0; i < responsiveAds; ++i) {
        QStringList titles;
        for (int title = 0; title < 15; ++title)
            titles << QStringLiteral("%1 %2")
                          .arg(phrase(i % 10 == 0 && title == 7 ? 7 : 2))
                          .arg(title);
        if (i % 20 == 0)
            titles[4] = titles.at(3);
        QStringList texts;
        for (int text = 0; text < 4; ++text)
            texts << QStringLiteral("\"%1, %2.\"").arg(phrase(5), phrase(4));
        QStringList row{titles.at(0),
                        texts.at(0),
                        QStringLiteral("example.com/%1/%2").arg(words.at(i % 7), words.at(i % 5))};
        row << titles.mid(1) << texts.mid(1)
            << QStringLiteral("https://example.com/bakery?ad=%1").arg(i);
        const QByteArray line = row.join(u',').toUtf8() + "\r\n";
        ok = ok && file.write(line) == line.size();
    }
    return ok;
}

using DeckWriter = bool (*)(QFile &);

// Checks the deck `writer` writes with the three shipped engines, against the floor.
bool measure(const char *name, int count, DeckWriter writer)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("deck.csv"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !writer(file))
            return false;
    }
    const double fileKiB = double(QFile(path).size()) / 1024;
    const QByteArray deck = QFile::encodeName(path);
    const Run floor = best({QByteArray(CSV_FLOOR_PROBE), deck}, 0);
    const Run check = best({QByteArray(VELLUMO_CHECK),
                            QByteArray("--engines"),
                            QByteArray(VELLUMO_SOURCE_DIR "/files"),
                            deck},
                           1);
    std::printf("%s: copy deck of %d ads, %.1f MiB\n", name, count, fileKiB / 1024);
    std::printf("read and split with libcsv: %8.1f ms, peak %6.1f MiB\n",
                floor.milliseconds,
                floor.peakKiB / 1024);
    std::printf("vellumo-check, 3 engines:   %8.1f ms, peak %6.1f MiB\n",
                check.milliseconds,
                check.peakKiB / 1024);
    std::printf("checked: %.0f ads a second\n", count / (check.milliseconds / 1000));
    std::printf("RATIO %s %.2f target <= 6.0\n", name, check.milliseconds / floor.milliseconds);
    // Memory: the file is mapped once; everything else is one row at a time.
    if (count == ads)
        std::printf("RATIO %s_memory %.2f target <= 2.0\n", name, check.peakKiB / fileKiB);
    return true;
}
} // namespace

int main()
{
    return measure("check_500k", ads, writeCopyDeck)
                   && measure("check_rsa_20k", responsiveAds, writeResponsiveDeck)
               ? 0
               : 1;
}
