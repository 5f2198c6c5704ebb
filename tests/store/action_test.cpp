#include "store/action.h"

#include <gtest/gtest.h>

#include <string>

#include "test_folder.h"

namespace tallyvex::store {
namespace {

using test::fileBytes;
using test::putFile;
using test::Snapshot;
using test::snapshot;
using test::TempFolder;

// Stops a commit after its journal is in place: its data writes and all removals fail.
class StopAfterJournal final : public FileSystem {
public:
    std::optional<std::string> readFile(const fs::path& p) override { return m_real.readFile(p); }
    void writeFileSynced(const fs::path& p, const std::string& b) override {
        if (p.filename() != "tallyvex.journal.tallyvex-tmp") {
            throw Error("stopped");
        }
        m_real.writeFileSynced(p, b);
    }
    void rename(const fs::path& f, const fs::path& t) override { m_real.rename(f, t); }
    void remove(const fs::path&) override { throw Error("stopped"); }
    void syncDirectory(const fs::path& d) override { m_real.syncDirectory(d); }
    std::vector<std::string> list(const fs::path& d) override { return m_real.list(d); }
    bool exists(const fs::path& p) override { return m_real.exists(p); }
    void createDirectories(const fs::path& d) override { m_real.createDirectories(d); }

private:
    RealFileSystem m_real;
};

class ActionTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    DataDir m_dir{m_folder.path()};
    fs::path at(const std::string& name) const { return m_folder.path() / name; }

    // Leaves the journal of a commit of `change` that crashed before its first data write.
    template <typename Change>
    void crashAfterJournal(Change change) {
        StopAfterJournal stop;
        const DataDir stopping(m_folder.path(), stop);
        Action action(stopping);
        change(action);
        EXPECT_THROW(action.commit(), Error);
        ASSERT_TRUE(fs::exists(at("tallyvex.journal")));
    }
};

TEST_F(ActionTest, ReadsSeeTheActionsOwnWritesAndWithoutCommitNothingReachesTheDisk) {
    putFile(at("fInfo.fil"), "old");
    {
        Action action(m_dir);
        EXPECT_EQ(action.readBytes("finfo.FIL"), "old");
        action.writeBytes("FINFO.fil", "new");
        EXPECT_EQ(action.readBytes("fInfo.fil"), "new");
        action.writeBytes("fNew.fil", "made");
        EXPECT_TRUE(action.exists("FNEW.FIL"));
        action.remove("fInfo.fil");
        EXPECT_FALSE(action.exists("fInfo.fil"));
        EXPECT_EQ(action.readBytes("fInfo.fil"), std::nullopt);
        EXPECT_TRUE(action.hasChanges());
        EXPECT_EQ(snapshot(m_folder.path()), (Snapshot{{"fInfo.fil", "old"}}));
    }
    EXPECT_EQ(snapshot(m_folder.path()), (Snapshot{{"fInfo.fil", "old"}}));
}

TEST_F(ActionTest, CommitWritesRemovesAndKeepsTheSpellingOnDisk) {
    putFile(at("fInfo.fil"), "old info");
    putFile(at("fGone.fil"), "to remove");
    putFile(at("fSame.fil"), "unchanged");
    Action action(m_dir);
    action.writeBytes("FINFO.FIL", "new info");
    action.writeBytes("fNew.fil", std::string("\0\x80", 2));
    action.remove("fgone.fil");
    action.remove("fNeverWas.fil");
    action.writeBytes("fSame.fil", "unchanged");
    action.commit();

    EXPECT_FALSE(action.hasChanges());
    EXPECT_EQ(snapshot(m_folder.path()), (Snapshot{{"fInfo.fil", "new info"},
                                                   {"fNew.fil", std::string("\0\x80", 2)},
                                                   {"fSame.fil", "unchanged"}}));
    // Later reads in the same action come from disk again.
    EXPECT_EQ(action.readBytes("fnew.fil"), std::string("\0\x80", 2));

    // A commit without changes touches nothing.
    const Snapshot after = snapshot(m_folder.path());
    Action reading(m_dir);
    EXPECT_EQ(reading.readBytes("fInfo.fil"), "new info");
    EXPECT_FALSE(reading.hasChanges());
    reading.commit();
    EXPECT_EQ(snapshot(m_folder.path()), after);
}

TEST_F(ActionTest, TextIsStoredAsWindows1252) {
    Action action(m_dir);
    action.writeText("results.txt", "Renée → €5\r\n");
    EXPECT_EQ(action.readText("results.txt"), "Renée ? €5\r\n");
    EXPECT_EQ(action.readText("missing.txt"), std::nullopt);
    action.commit();
    EXPECT_EQ(fileBytes(at("results.txt")),
              "Ren\xE9"
              "e ? \x80"
              "5\r\n");
}

TEST_F(ActionTest, RecoverRollsBackAJournalAndSweepsTemporaryFiles) {
    putFile(at("a.fil"), "A before");
    putFile(at("b.fil"), std::string("B\0before", 8));
    const Snapshot before = snapshot(m_folder.path());
    crashAfterJournal([](Action& action) {
        action.writeBytes("a.fil", "A after");
        action.writeBytes("c.fil", "C new");
        action.remove("b.fil");
    });

    // Simulate a crash that got further: data files changed, journal still there.
    putFile(at("a.fil"), "A after");
    putFile(at("c.fil"), "C new");
    fs::remove(at("b.fil"));
    putFile(at("a.fil.tallyvex-tmp"), "stale");

    EXPECT_TRUE(Action::recover(m_dir));
    EXPECT_EQ(snapshot(m_folder.path()), before);

    // Without a journal recover() only sweeps temporary files, an unfinished journal among them.
    putFile(at("a.fil.tallyvex-tmp"), "half written");
    putFile(at("tallyvex.journal.tallyvex-tmp"), "torn jour");
    EXPECT_FALSE(Action::recover(m_dir));
    EXPECT_EQ(snapshot(m_folder.path()), before);
}

TEST_F(ActionTest, DamagedJournalStopsRecoveryAndTouchesNothing) {
    putFile(at("a.fil"), "A before");
    crashAfterJournal([](Action& action) { action.writeBytes("a.fil", "A after"); });
    const std::string journal = fileBytes(at("tallyvex.journal"));
    const std::size_t inPrior = journal.find("A before");
    ASSERT_NE(inPrior, std::string::npos);
    std::string flipped = journal;
    flipped[inPrior] = 'X';
    for (const std::string& damaged :
         {std::string("TALLYVEX ROLLBACK JOURNAL 1\n\x05"), std::string("garbage"), flipped,
          journal.substr(0, journal.size() - 1)}) {
        putFile(at("tallyvex.journal"), damaged);
        const Snapshot before = snapshot(m_folder.path());
        EXPECT_THROW(Action::recover(m_dir), Error);
        EXPECT_EQ(snapshot(m_folder.path()), before);
    }
}

TEST_F(ActionTest, CommitOverALeftoverJournalUndoesItAndRefuses) {
    putFile(at("a.fil"), "A before");
    crashAfterJournal([](Action& action) { action.writeBytes("a.fil", "A after"); });
    putFile(at("a.fil"), "A after");  // as if the data write had landed
    Action next(m_dir);
    next.writeBytes("b.fil", "B");
    EXPECT_THROW(next.commit(), Error);
    EXPECT_EQ(snapshot(m_folder.path()), (Snapshot{{"a.fil", "A before"}}));
}

class RecordFileTest : public ActionTest {};

TEST_F(RecordFileTest, RecordsSitAtTheirOffsetsPaddedAndCut) {
    Action action(m_dir);
    RecordFile file(action, "fInfo.fil", 8);
    file.write(1, "Tn_1#*#");
    file.write(2, "a long record text");
    file.write(3, "Zoë");
    EXPECT_EQ(file.count(), 3);
    EXPECT_EQ(file.read(1), "Tn_1#*# ");
    EXPECT_EQ(file.read(2), "a long r");
    EXPECT_EQ(file.read(3), "Zoë     ");
    // The width counts characters, not UTF-8 bytes.
    RecordFile names(action, "names.fil", 4);
    names.write(1, "éé€→xyz");
    EXPECT_EQ(action.readBytes("names.fil"), "\xE9\xE9\x80?");
    EXPECT_EQ(names.read(1), "éé€?");
    action.commit();
    EXPECT_EQ(fileBytes(at("fInfo.fil")), "Tn_1#*# a long rZo\xEB     ");
}

TEST_F(RecordFileTest, WritingPastTheEndFillsTheGapWithZeroBytes) {
    Action action(m_dir);
    RecordFile file(action, "fChart1.fil", 4);
    EXPECT_EQ(file.count(), 0);
    file.write(3, "c");
    EXPECT_EQ(action.readBytes("fChart1.fil"), std::string("\0\0\0\0\0\0\0\0c   ", 12));
    EXPECT_EQ(file.count(), 3);
    EXPECT_EQ(file.read(1), std::string(4, '\0'));
    // Past the end, and a partial last record, read with zero bytes.
    EXPECT_EQ(file.read(9), std::string(4, '\0'));
    action.writeBytes("fChart1.fil", "abcdef");
    EXPECT_EQ(file.count(), 2);
    EXPECT_EQ(file.read(2), std::string("ef\0\0", 4));
    // Overwriting inside keeps what follows.
    file.write(1, "XY");
    EXPECT_EQ(action.readBytes("fChart1.fil"), "XY  ef");
}

TEST_F(RecordFileTest, ReadsExistingFilesWhoseNamesMatchWithoutCaseAndARemovedOneStartsOverEmpty) {
    putFile(at("FLINE2.FIL"), "0001#1#ab#");
    putFile(at("q.fil"), "abcdabcd");
    Action action(m_dir);
    RecordFile file(action, "fLine2.fil", 5);
    EXPECT_EQ(file.read(1), "0001#");
    EXPECT_EQ(file.read(2), "1#ab#");
    file.write(1, "0002");
    RecordFile removed(action, "q.fil", 4);
    action.remove("q.fil");
    EXPECT_EQ(removed.count(), 0);
    EXPECT_EQ(removed.read(1), std::string(4, '\0'));
    removed.write(2, "z");
    action.commit();
    EXPECT_EQ(snapshot(m_folder.path()),
              (Snapshot{{"FLINE2.FIL", "0002 1#ab#"}, {"q.fil", std::string("\0\0\0\0z   ", 8)}}));
}

TEST_F(RecordFileTest, WritePrefixKeepsTheRestOfTheRecord) {
    Action action(m_dir);
    RecordFile file(action, "fInfo.fil", 8);
    file.write(1, "1   0116");
    file.writePrefix(1, "3");
    EXPECT_EQ(file.read(1), "3   0116");
    file.writePrefix(1, "é234567890");
    EXPECT_EQ(file.read(1), "é2345678");
    // A new record gets zero bytes behind the prefix.
    file.writePrefix(2, "7");
    EXPECT_EQ(file.read(2), std::string("7\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(action.readBytes("fInfo.fil")->size(), 16U);
}

TEST_F(RecordFileTest, FolderPartsInNamesBadRecordNumbersAndLengthsAreRefused) {
    Action action(m_dir);
    EXPECT_THROW(action.writeBytes("../escape.fil", "x"), std::invalid_argument);
    EXPECT_THROW(action.readBytes(""), std::invalid_argument);
    RecordFile file(action, "x.fil", 4);
    EXPECT_THROW(file.read(0), std::out_of_range);
    EXPECT_THROW(file.write(-1, "a"), std::out_of_range);
    EXPECT_THROW(RecordFile(action, "y.fil", 0), std::invalid_argument);
}

TEST(VarText, PackedTextsReadBackInOrderAndShortDataIsRefused) {
    const std::string long300(300, 'x');
    const std::string bytes = packVarText("Zoë") + packVarText("") + packVarText("→€") + packVarText(long300);
    EXPECT_EQ(bytes.substr(0, 5), std::string("\x03\x00Zo\xEB", 5));
    EXPECT_EQ(bytes.substr(11, 2), "\x2C\x01");  // 300, little-endian
    std::size_t offset = 0;
    EXPECT_EQ(unpackVarText(bytes, offset), "Zoë");
    EXPECT_EQ(offset, 5U);
    EXPECT_EQ(unpackVarText(bytes, offset), "");
    EXPECT_EQ(unpackVarText(bytes, offset), "?€");
    EXPECT_EQ(unpackVarText(bytes, offset), long300);
    EXPECT_EQ(offset, bytes.size());
    EXPECT_EQ(unpackVarText(bytes, offset), std::nullopt);

    // Cut short: nothing read, the offset stays.
    const std::string cut = bytes.substr(0, bytes.size() - 1);
    offset = 11;
    EXPECT_EQ(unpackVarText(cut, offset), std::nullopt);
    EXPECT_EQ(offset, 11U);
    offset = 0;
    EXPECT_EQ(unpackVarText(std::string("\x01", 1), offset), std::nullopt);
}

}  // namespace
}  // namespace tallyvex::store
