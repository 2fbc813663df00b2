#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/exchange/ExchangeWorld.h"

// A game's "tidemark\mdb" folder as the system keeps it, simulated, for
// exploring the exchange: nothing happens but what a step or the camera
// asks for, so a run is a function of its steps. It keeps names and files
// apart, as the system does:
// - a file deleted while a handle on it is open keeps its name until the
//   last handle closes (delete pending). Wine lets such a file be opened,
//   and made again under its name, and does not say that it is being
//   deleted; Windows refuses both and does not show the file;
// - a file made anew gets the index freed last (ext4 gives a file made at
//   once after a deletion the deleted one's inode), and a write sets its
//   last write to the clock's time (Wine's creation time is the same);
// - a writer holding its file open sharing nothing, or reading only, holds
//   it against deletion and against renames over it;
// - a symbolic link under the name opens as its target under Wine, as
//   itself under Windows; nothing is deleted or written through one;
// - the watch tells of each change of a name once its lag has passed, of
//   more changes waiting than it holds as one overflow, and stops when its
//   folder is deleted; a drive without notifications gives no watch;
// - the game may hold the reply open, sharing nothing.
// It notes the truth the camera is checked against: every file that stood
// under the request's name, when each change of the name happened and was
// told, and the camera's looks and deletions.
class ModelWorld final : public ExchangeWorld {
public:
    enum class System { Windows, Wine };
    // What a writer lets others do with the file it holds open.
    enum class Share { Nothing, Reading, Everything };

    struct Options {
        System system = System::Wine;
        bool watchable = true;
        size_t watchHolds = 4;  // changes waiting to be told before they overflow
        // How late the watch tells of a change of the request's name; asked
        // at each such change while a watch stands.
        std::function<std::chrono::milliseconds()> lag;
        // What others do right after a look of the camera's, before what
        // the camera does next (take in the watch, delete).
        std::function<void()> afterLooking;
    };

    // The folder is the game's "tidemark\mdb", in the programs' form.
    ModelWorld(std::string folder, Options options);

    // What the game and other programs do; false where the system refuses.
    bool Make(Share share);    // makes the request, or opens and empties the one there; kept open
    bool Write();              // through the writer's handle
    bool Close();              // the writer lets go
    bool Delete();             // by name, as the game's script does at each pass
    bool RenameOver();         // a whole file made under another name is moved onto the request's
    bool Rewrite();            // opened again and written (emptied first or appended to), closed
    bool RenameAway();         // moved to another name, and deleted there
    bool Link();               // a symbolic link to a file elsewhere made under the request's name
    void Flood();              // more other files made and deleted than the watch holds
    bool FolderAwayAndBack();  // the folder deleted with what was in it, and made again
    void HoldReply(bool held) { replyHeld_ = held; }
    void Pass(std::chrono::milliseconds time) { now_ += time; }

    bool WriterHolds() const { return writer_ != 0; }
    // The watch that stands now, 0 for none.
    uint64_t CurrentWatch() const { return watch_; }
    // The watch has something to tell: a camera waiting on it wakes.
    bool WatchSignalled() const;

    // The truth. Files are numbered from 1 as they are made.
    struct File {
        int press = 0;  // presses are numbered from 1; 0: made by none (a link's target)
        uint64_t index = 0;
        int64_t lastWrite = 0;
        bool link = false;
        int target = 0;
        int holding = 0;  // handles open that do not let it be deleted
        int sharing = 0;  // handles open that do
        bool pending = false;
        bool named = false;  // under the request's name
        bool alive = true;
        std::optional<TimePoint> pendingSince;  // from then on Windows shows it no more
    };
    // A file's gaining or losing the request's name, and when the watch
    // told of it; file 0 is an overflow, which tells that something
    // happened. Lost: a drive without notifications would never tell of it,
    // nor can a watch once it overflowed or its folder went; watched: a
    // watch stood to tell of it.
    struct NameChange {
        int file = 0;
        bool taken = false;
        TimePoint at{};
        TimePoint toldAt{};
        bool lost = false;
        bool watched = false;
    };
    // A look of the camera's at the request: the file seen under the name
    // (0: none), the last write it showed and whether it was held.
    struct Sighting {
        TimePoint at{};
        int file = 0;
        int64_t lastWrite = 0;
        bool held = false;
    };
    // A deletion the camera asked for, after so many looks; refused where
    // the writer held the file or it was a link.
    struct Deletion {
        TimePoint at{};
        int file = 0;
        bool refused = false;
        size_t afterLooks = 0;
    };

    const File& FileNumber(int file) const { return files_[static_cast<size_t>(file)]; }
    int FileUnderName() const { return name_; }
    int Presses() const { return presses_; }
    const std::vector<NameChange>& NameChanges() const { return changes_; }
    const std::vector<Sighting>& Sightings() const { return sightings_; }
    const std::vector<Deletion>& Deletions() const { return deletions_; }
    const std::vector<TimePoint>& FolderGone() const { return folderGone_; }
    const std::string& Reply() const { return reply_; }
    const Options& Given() const { return options_; }

    TimePoint Now() override { return now_; }
    FileLook Look(const std::string& path) override;
    bool RemoveIf(const std::string& path, const FileIdentity& identity) override;
    bool FolderExists(const std::string& folder) override { return folder == folder_; }
    bool WriteReply(const std::string& path, const std::string& line) override;
    uint64_t Watch(const std::string& folder, const std::string& name) override;
    std::optional<NameCount> Changes(uint64_t watch, bool woken = false) override;
    void EndWatch(uint64_t watch) override;

private:
    struct Told {
        TimePoint at{};
        NameAction action = NameAction::Added;
        bool aboutTheName = false;
        bool overflow = false;
        std::vector<size_t> changes;  // the NameChanges it tells of
    };

    // Each change of a name, and its telling, has a moment of its own, so
    // that the order of changes and looks is the order of their times.
    void Happen();
    int NewFile(int press);
    FileIdentity IdentityOf(const File& file) const;
    bool Handles(const File& file) const { return file.holding + file.sharing > 0; }
    void LetGoIfUnused(int file);
    FileLook See(const std::string& path);
    void MarkPending(File& file);
    // The request's name given to, or taken from, a file, and told.
    void GiveName(int file, NameAction action);
    void TakeName(NameAction action);
    void Tell(NameAction action, bool aboutTheName, std::vector<size_t> changes = {});
    void LoseWhatIsUntold();

    std::string folder_;
    std::string request_;
    std::string replyPath_;
    Options options_;
    TimePoint now_ = TimePoint{} + std::chrono::hours(1);
    std::vector<File> files_ = std::vector<File>(1);
    std::vector<uint64_t> freed_;
    uint64_t nextIndex_ = 100;
    int presses_ = 0;
    int name_ = 0;
    int writer_ = 0;
    ModelWorld::Share writerShare_ = Share::Nothing;
    uint64_t watch_ = 0;
    uint64_t watchesMade_ = 0;
    NameCount count_;
    std::deque<Told> untold_;
    bool replyHeld_ = false;
    std::string reply_;
    std::vector<NameChange> changes_;
    std::vector<Sighting> sightings_;
    std::vector<Deletion> deletions_;
    std::vector<TimePoint> folderGone_;
};
