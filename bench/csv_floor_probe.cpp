// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of checking a copy deck: read the file and split it with libcsv, set up as the
// program sets it up, touching each field once. Usage: csv_floor_probe FILE
#include <csv.h>

#include <cstdio>
#include <vector>

namespace {
struct Count
{
    size_t fields = 0;
    size_t bytes = 0;
    size_t records = 0;
};

void onField(void *data, size_t length, void *count)
{
    auto c = static_cast<Count *>(count);
    ++c->fields;
    c->bytes += length ? static_cast<unsigned char *>(data)[0] : 0;
}

void onRecord(int, void *count)
{
    ++static_cast<Count *>(count)->records;
}

int noSpace(unsigned char)
{
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    std::FILE *file = std::fopen(argv[1], "rb");
    if (!file)
        return 2;
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    std::vector<char> bytes(size_t(size > 0 ? size : 0));
    if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size())
        return 2;
    std::fclose(file);
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
    csv_set_space_func(&parser, noSpace);
    Count count;
    csv_parse(&parser, bytes.data(), bytes.size(), onField, onRecord, &count);
    csv_fini(&parser, onField, onRecord, &count);
    csv_free(&parser);
    std::printf("%zu records, %zu fields\n", count.records, count.fields);
    return 0;
}
