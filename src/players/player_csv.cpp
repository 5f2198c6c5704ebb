#include "players/player_csv.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>

#include "store/packed.h"

namespace tallyvex::players {

namespace {

constexpr std::size_t kColumnCount = kPlayerColumns.size();

// One record of the CSV text: its fields, or why it could not be read.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
    std::string error;
};

// Consumes a line break (CR LF, LF or CR) at i, if there is one.
bool takeLineBreak(std::string_view text, std::size_t& i) {
    if (i < text.size() && text[i] == '\r') {
        ++i;
        if (i < text.size() && text[i] == '\n') {
            ++i;
        }
        return true;
    }
    if (i < text.size() && text[i] == '\n') {
        ++i;
        return true;
    }
    return false;
}

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

std::vector<CsvRecord> parseCsv(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<CsvRecord> records;
    std::size_t i = 0;
    int line = 1;
    while (i < text.size()) {
        if (takeLineBreak(text, i)) {  // blank lines carry no record
            ++line;
            continue;
        }
        CsvRecord record;
        record.line = line;
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                ++i;
                bool closed = false;
                while (i < text.size()) {
                    const char c = text[i];
                    if (c == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
                        ++line;
                    }
                    field += c;
                    ++i;
                }
                if (!closed) {
                    record.error = "a quoted field is not closed";
                    break;
                }
                if (i < text.size() && text[i] != ',' && !isLineBreak(text[i])) {
                    record.error = "text follows a closing quote";
                    while (i < text.size() && !isLineBreak(text[i])) {
                        ++i;
                    }
                }
            } else {
                while (i < text.size() && text[i] != ',' && !isLineBreak(text[i])) {
                    field += text[i++];
                }
            }
            record.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (takeLineBreak(text, i)) {
                ++line;
            }
            break;
        }
        records.push_back(std::move(record));
    }
    return records;
}

bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t code = 0;
        if (byte < 0x80) {
            ++i;
            continue;
        } else if (byte >= 0xC2 && byte <= 0xDF) {
            extra = 1;
            code = byte & 0x1F;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            extra = 2;
            code = byte & 0x0F;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            extra = 3;
            code = byte & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= text.size()) {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, UTF-16 surrogates and values past U+10FFFF are not UTF-8.
        if ((extra == 2 && code < 0x800) || (extra == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

using store::lowerAscii;
using store::trim;

// For each column of kPlayerColumns, its field index in the file.
std::array<std::size_t, kColumnCount> headerOrder(const std::vector<CsvRecord>& records) {
    std::string expected;
    for (const std::string_view name : kPlayerColumns) {
        expected += expected.empty() ? "" : ",";
        expected += name;
    }
    const std::string problem = "the first row must name the columns " + expected;
    if (records.empty() || !records.front().error.empty() || records.front().fields.size() != kColumnCount) {
        throw store::Error(problem);
    }
    std::array<std::size_t, kColumnCount> order{};
    std::array<bool, kColumnCount> seen{};
    const auto& header = records.front().fields;
    for (std::size_t f = 0; f < header.size(); ++f) {
        const std::string name = lowerAscii(trim(header[f]));
        std::size_t c = 0;
        while (c < kColumnCount && kPlayerColumns[c] != name) {
            ++c;
        }
        if (c == kColumnCount || seen[c]) {
            throw store::Error(problem);
        }
        seen[c] = true;
        order[c] = f;
    }
    return order;
}

std::optional<long> parseId(std::string_view field) {
    const std::string text = trim(field);
    long id = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, id);
    if (text.empty() || error != std::errc() || stop != end || id <= 0) {
        return std::nullopt;
    }
    return id;
}

// The player of a data row, or the reason the row is skipped.
std::string readRow(const CsvRecord& record, const std::array<std::size_t, kColumnCount>& order,
                    Player& player) {
    if (!record.error.empty()) {
        return record.error;
    }
    if (record.fields.size() != kColumnCount) {
        return std::to_string(kColumnCount) + " fields expected, found " +
               std::to_string(record.fields.size());
    }
    for (const std::string& field : record.fields) {
        if (!isUtf8(field)) {
            return "the text is not UTF-8";
        }
    }
    const std::string& idText = record.fields[order[0]];
    const auto id = parseId(idText);
    if (!id) {
        return "the ID \"" + idText + "\" is not a whole number above 0";
    }
    player.id = *id;
    player.lastName = record.fields[order[1]];
    player.firstName = record.fields[order[2]];
    player.club = record.fields[order[3]];
    player.district = record.fields[order[4]];
    player.rank = record.fields[order[5]];
    player.sex = record.fields[order[6]];
    return {};
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

std::string systemMessage(int error) {
    return error != 0 ? std::strerror(error) : "input/output error";
}

std::string csvText(const std::vector<Player>& players) {
    std::string csv;
    for (const std::string_view name : kPlayerColumns) {
        csv += name;
        csv += name == kPlayerColumns.back() ? "\r\n" : ",";
    }
    for (const Player& p : players) {
        csv += std::to_string(p.id) + ',' + csvField(p.lastName) + ',' + csvField(p.firstName) + ',' +
               csvField(p.club) + ',' + csvField(p.district) + ',' + csvField(p.rank) + ',' +
               csvField(p.sex) + "\r\n";
    }
    return csv;
}

const char* const kUsage = "usage: tallyvex players import|export --db zur|local FILE\n";

}  // namespace

ImportReport importPlayers(Database& db, std::string_view csv) {
    const std::vector<CsvRecord> records = parseCsv(csv);
    const auto order = headerOrder(records);
    ImportReport report;
    Transaction transaction(db);
    for (std::size_t r = 1; r < records.size(); ++r) {
        Player player;
        std::string problem = readRow(records[r], order, player);
        if (problem.empty() && idTaken(db, player.id)) {
            problem = "the ID " + std::to_string(player.id) + " is already in use";
        }
        if (!problem.empty()) {
            report.problems.push_back({records[r].line, std::move(problem)});
            continue;
        }
        insertPlayer(db, player);
        ++report.imported;
    }
    transaction.commit();
    return report;
}

ImportReport importPlayersFile(const std::filesystem::path& database, const std::filesystem::path& csvFile) {
    const auto cannotRead = [&csvFile](int error) {
        return store::Error("Cannot read " + csvFile.string(), systemMessage(error));
    };
    errno = 0;
    std::ifstream in(csvFile, std::ios::binary);
    if (!in) {
        throw cannotRead(errno);
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        throw cannotRead(errno);
    }
    const auto db = openPlayerDatabase(database);
    return importPlayers(*db, text);
}

std::string exportPlayers(Database& db) {
    return csvText(allPlayers(db));
}

int exportPlayersFile(const std::filesystem::path& database, const std::filesystem::path& csvFile) {
    const auto db = openPlayerDatabase(database);
    const std::vector<Player> players = allPlayers(*db);
    const std::string csv = csvText(players);
    // Written beside the target and renamed over it, so a failed export leaves no half file.
    std::filesystem::path partial = csvFile;
    partial += ".partial";
    errno = 0;
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << csv;
        out.close();
        if (!out) {
            const int error = errno;
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            throw store::Error("Cannot write " + csvFile.string(), systemMessage(error));
        }
    }
    std::error_code renameError;
    std::filesystem::rename(partial, csvFile, renameError);
    if (renameError) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        throw store::Error("Cannot write " + csvFile.string(), renameError.message());
    }
    return static_cast<int>(players.size());
}

int runPlayersCommand(const std::vector<std::string>& args, const std::filesystem::path& dataFolder,
                      std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    const auto usage = [&err](const std::string& problem) {
        err << "tallyvex players: " << problem << "\n" << kUsage;
        return 2;
    };
    if (args.empty() || (args[0] != "import" && args[0] != "export")) {
        return usage(args.empty() ? "import or export expected" : "unknown command '" + args[0] + "'");
    }
    const bool import = args[0] == "import";
    std::optional<std::string> dbName;
    std::optional<std::string> file;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--db") {
            if (i + 1 == args.size() || dbName) {
                return usage("--db takes one of zur, local");
            }
            dbName = lowerAscii(args[++i]);
        } else if (args[i].starts_with("-") && args[i] != "-") {
            return usage("unknown option '" + args[i] + "'");
        } else if (file) {
            return usage("one FILE expected");
        } else {
            file = args[i];
        }
    }
    if (!dbName || (*dbName != "zur" && *dbName != "local")) {
        return usage("--db zur or --db local expected");
    }
    if (!file) {
        return usage("FILE expected");
    }
    const PlayerList list = *dbName == "zur" ? PlayerList::Zur : PlayerList::Local;
    try {
        const std::filesystem::path database = playerDatabasePath(dataFolder, list);
        const std::string dbFile = std::string(playerDatabaseName(list));
        if (!import) {
            const int count = exportPlayersFile(database, *file);
            out << "Exported " << count << " players from " << dbFile << " to " << *file << "\n";
            return 0;
        }
        const ImportReport report = importPlayersFile(database, *file);
        for (const ImportProblem& problem : report.problems) {
            err << *file << " line " << problem.line << ": " << problem.message << " (row skipped)\n";
        }
        out << "Imported " << report.imported << " players into " << dbFile;
        if (!report.problems.empty()) {
            out << "; " << report.problems.size() << " rows skipped";
        }
        out << "\n";
        return report.problems.empty() ? 0 : 1;
    } catch (const std::exception& error) {
        err << "tallyvex players: " << error.what() << (import ? "; nothing imported" : "") << "\n";
        return 1;
    }
}

}  // namespace tallyvex::players
