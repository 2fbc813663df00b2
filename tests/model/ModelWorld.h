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
//   more changes waiting than it holds as one overflow; a drive without
//   notifications gives no watch. A batch woken for that told nothing of
//   the name leaves it resting, telling nothing, until a look takes it in;
// - a watch may stop standing (its drive away a moment), its folder and
//   files as they were;
// - the folder may be replaced by another under its name: deleted with
//   what it held and made again (the deletions told; Windows' watch then
//   stops, Wine's stands on, deaf), or moved away, mounted over or swapped
//   for a link to another (nothing told, and the watch stands on deaf, on
//   both systems); the new folder has an index of its own;
// - a folder may stand under the request's name, which a watch of file
//   names is not told of; a file may be read-only, which nobody deletes;
// - a writer may set a file's last write, as a copy keeping its source's
//   time does; a drive may keep times only to the second or two;
// - the game may hold the reply open, sharing nothing.
//
// Where Windows and Wine part, the model follows the one it is told. The
// lock Windows keeps on a loaded library has no place here: the library's
// copy is the program's own (FreeImageDll).
// It notes the truth the camera is checked against: every file that stood
// under the request's name, when each change of the name happened and was
// told, and the camera's looks and deletions.
class ModelWorld final : public ExchangeWorld {
public:
    enum class System { Windows, Wine };
    // What a writer lets others do with the file it holds open.
    enum class Share { Nothing, Reading, Everything };

    // How the folder is replaced: deleted and made again, or put out of
    // sight (moved away, mounted over, swapped for a link).
    enum class Replaced { Deleted, Covered };

    struct Options {
        System system = System::Wine;
        bool watchable = true;
        size_t watchHolds = 4;              // changes waiting to be told before they overflow
        std::chrono::seconds timeGrain{0};  // last writes kept to this, where not 0
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
    bool Make(Share share);  // makes the request, or opens and empties the one there; kept open
    bool Write();            // through the writer's handle
    bool Close();            // the writer lets go
    bool Delete();           // by name, as the game's script does at each pass
    bool RenameOver();       // a whole file made under another name is moved onto the request's
    bool Rewrite();          // opened again and written (emptied first or appended to), closed
    bool RenameAway();       // moved to another name, and deleted there
    bool Link();             // a symbolic link to a file elsewhere made under the request's name
    void Flood();            // more other files made and deleted than the watch holds
    void MakeOtherFile();    // a file of another name made in the folder
    bool ReplaceFolder(Replaced how);  // another folder, empty, under the folder's name
    bool LoseWatch();                  // the watch's read fails (its drive away a moment)
    bool MakeFolder();                 // a folder made under the request's name
    bool RemoveFolder();               // and removed
    bool SetReadOnly(bool readOnly);   // the file under the name, by its attributes
    bool CopyKeepingTime();  // a copy of a file made as the request, keeping its source's time
    void HoldReply(bool held) { replyHeld_ = held; }
    void Pass(std::chrono::milliseconds time) { now_ += time; }

    bool WriterHolds() const { return writer_ != 0; }
    // Whether the watch outlives a folder replaced and tells nothing more.
    bool WatchDeaf() const { return deaf_; }
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
        bool folder = false;
        bool readOnly = false;
        std::optional<TimePoint> pendingSince;  // from then on Windows shows it no more
    };
    // Why a change was never told.
    enum class Lost { No, NoWatch, NotAFile, Overflow, WatchGone, Deaf };
    // A file's gaining or losing the request's name, and when the watch
    // told of it; file 0 is an overflow, which tells that something
    // happened. Lost: never told (no watch, a folder's, of which a watch of
    // file names is not told, an overflow, the watch gone, or deaf on a
    // folder replaced); watched: a watch stood to tell of it; resting: the
    // watch was resting then, and told it only at the next look.
    struct NameChange {
        int file = 0;
        bool taken = false;
        TimePoint at{};
        TimePoint toldAt{};
        Lost lost = Lost::No;
        bool watched = false;
        bool resting = false;
    };
    // A look of the camera's at the request: the file seen under the name
    // (0: none), the last write it showed, whether it was held and whether
    // read-only, and the watch standing then (0: none).
    struct Sighting {
        TimePoint at{};
        int file = 0;
        int64_t lastWrite = 0;
        bool held = false;
        bool readOnly = false;
        uint64_t watch = 0;
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
    // When the watch lost track: stopped, or deaf on a folder replaced.
    const std::vector<TimePoint>& WatchLostTrack() const { return lostTrack_; }
    const std::string& Reply() const { return reply_; }
    const Options& Given() const { return options_; }

    TimePoint Now() override { return now_; }
    FileLook Look(const std::string& path) override;
    bool RemoveIf(const std::string& path, const FileIdentity& identity) override;
    std::optional<uint64_t> FolderIndex(const std::string& folder) override;
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
    uint64_t NewIndex();
    void Free(uint64_t index) { freed_.push_back(index); }
    int64_t Stamp() const;
    FileIdentity IdentityOf(const File& file) const;
    bool Handles(const File& file) const { return file.holding + file.sharing > 0; }
    void LetGoIfUnused(int file);
    FileLook See(const std::string& path);
    void MarkPending(File& file);
    // The request's name given to, or taken from, a file, and told.
    void GiveName(int file, NameAction action);
    void TakeName(NameAction action);
    void Tell(NameAction action, bool aboutTheName, std::vector<size_t> changes = {});
    void LoseWhatIsUntold(Lost why);

    std::string folder_;
    std::string request_;
    std::string replyPath_;
    Options options_;
    TimePoint now_ = TimePoint{} + std::chrono::hours(1);
    std::vector<File> files_ = std::vector<File>(1);
    std::vector<uint64_t> freed_;
    uint64_t nextIndex_ = 100;
    uint64_t folderIndex_ = NewIndex();
    int64_t lastLetGo_ = 0;  // the last write of the file that last left the name
    int presses_ = 0;
    int name_ = 0;
    int writer_ = 0;
    ModelWorld::Share writerShare_ = Share::Nothing;
    uint64_t watch_ = 0;
    uint64_t watchesMade_ = 0;
    bool deaf_ = false;
    bool resting_ = false;
    NameCount count_;
    std::deque<Told> untold_;
    bool replyHeld_ = false;
    std::string reply_;
    std::vector<NameChange> changes_;
    std::vector<Sighting> sightings_;
    std::vector<Deletion> deletions_;
    std::vector<TimePoint> lostTrack_;
};
