// What the camera's decision relies on the world for, asked of the model
// and of the system alike: each side runs these cases, so that where the
// model is explored, the system is seen to do the same.
#include <chrono>

#include "../support/WriterPatterns.h"
#include "WorldContract.h"
#include "core/exchange/RequestFiles.h"

namespace {

using namespace std::chrono_literals;

FileLook LookAtRequest(WorldHands& hands) { return hands.World().Look(hands.Request()); }

}  // namespace

TEST_P(WorldContract, ALookTellsWhichFileIsThereAndWhenItWasLastWritten) {
    hands->Make(WorldHands::Share::Nothing);
    const FileLook made = LookAtRequest(*hands);
    ASSERT_TRUE(made.there && made.identity);
    EXPECT_TRUE(made.held);
    hands->Write();
    hands->Close();
    const FileLook written = LookAtRequest(*hands);
    ASSERT_TRUE(written.identity);
    EXPECT_FALSE(written.held || written.link || written.folder || written.readOnly);
    EXPECT_EQ(written.identity->index, made.identity->index);
    EXPECT_GT(written.identity->lastWrite, made.identity->lastWrite);
    // A copy keeping the last one's time shows that time.
    hands->Delete();
    EXPECT_FALSE(LookAtRequest(*hands).there);
    hands->CopyKeepingTime();
    const FileLook copy = LookAtRequest(*hands);
    ASSERT_TRUE(copy.identity);
    EXPECT_EQ(copy.identity->lastWrite, written.identity->lastWrite);
}

// Windows hides a file being deleted; Wine shows it as it was until its
// last handle closes, and neither says it is leaving.
TEST_P(WorldContract, AFileIsDeletedOnlyWhileItIsTheOneLookedAtAndKeepsItsNameWhileHeld) {
    hands->Make(WorldHands::Share::Nothing);
    hands->Close();
    const FileLook first = LookAtRequest(*hands);
    hands->Delete();
    hands->Make(WorldHands::Share::Everything);
    hands->Write();
    EXPECT_FALSE(hands->World().RemoveIf(hands->Request(), *first.identity));
    const FileLook held = LookAtRequest(*hands);
    ASSERT_TRUE(held.identity);
    EXPECT_TRUE(hands->World().RemoveIf(hands->Request(), *held.identity));
    const FileLook leaving = LookAtRequest(*hands);
    EXPECT_EQ(leaving.there, !hands->Windows());
    EXPECT_FALSE(leaving.leaving);
    EXPECT_EQ(leaving.identity, hands->Windows() ? std::nullopt : held.identity);
    hands->Close();
    EXPECT_FALSE(LookAtRequest(*hands).there);
}

TEST_P(WorldContract, NothingIsDeletedThroughALinkNorAReadOnlyFileNorAFolder) {
    hands->Link();
    const FileLook link = LookAtRequest(*hands);
    ASSERT_TRUE(link.there);
    EXPECT_TRUE(link.link);
    EXPECT_FALSE(link.identity && hands->World().RemoveIf(hands->Request(), *link.identity));
    EXPECT_TRUE(LookAtRequest(*hands).there);

    hands = GetParam().make();
    hands->Make(WorldHands::Share::Nothing);
    hands->Close();
    hands->SetReadOnly(true);
    const FileLook readOnly = LookAtRequest(*hands);
    EXPECT_TRUE(readOnly.readOnly);
    EXPECT_FALSE(hands->World().RemoveIf(hands->Request(), *readOnly.identity));
    EXPECT_TRUE(LookAtRequest(*hands).there);

    hands = GetParam().make();
    hands->MakeFolder(kRequestName);
    const FileLook folder = LookAtRequest(*hands);
    EXPECT_TRUE(folder.there && folder.folder);
    hands->MakeFolder("currentPhoto.db");
    EXPECT_FALSE(hands->World().WriteReply(ReplyPath(hands->Game()), ReplyLine("0")));
}

// The watch of the request's name: every taking of it in any letters, none
// of a folder's, an overflow as one; and a folder replaced under it is
// another folder, which Windows' watch does not outlive.
TEST_P(WorldContract, TheWatchCountsTheNamesTakingsAndOverflowsAndNotAFoldersComing) {
    ExchangeWorld& world = hands->World();
    const uint64_t watch = world.Watch(hands->Mdb(), kRequestName);
    ASSERT_NE(watch, 0u);
    hands->MakeFolder(kRequestName);
    hands->LetWatchTell(watch);
    EXPECT_EQ(world.Changes(watch), (NameCount{watch}));
    hands = GetParam().make();
    ExchangeWorld& again = hands->World();
    const uint64_t second = again.Watch(hands->Mdb(), kRequestName);
    hands->Make(WorldHands::Share::Nothing, "TAKEPHOTO.DB");
    hands->Close();
    hands->Delete("TAKEPHOTO.DB");
    hands->LetWatchTell(second);
    const std::optional<NameCount> count = again.Changes(second);
    ASSERT_TRUE(count);
    EXPECT_EQ(count->given, 1u);
    EXPECT_EQ(count->taken, 1u);
    hands->Flood();
    hands->LetWatchTell(second);
    EXPECT_GT(again.Changes(second).value_or(NameCount{}).overflows, 0u);

    again.EndWatch(second);
}

// A folder replaced under a watch is another folder; Windows' watch does not
// outlive one deleted, Wine's does, and hears nothing more; one moved away
// takes the watch with it, on both.
TEST_P(WorldContract, AWatchOnAReplacedFolderIsFoundOut) {
    for (const bool movedAway : {false, true}) {
        SCOPED_TRACE(movedAway ? "moved away" : "deleted");
        hands = GetParam().make();
        ExchangeWorld& world = hands->World();
        const uint64_t watch = world.Watch(hands->Mdb(), kRequestName);
        const std::optional<uint64_t> folder = world.FolderIndex(hands->Mdb());
        ASSERT_TRUE(folder);
        hands->ReplaceFolder(movedAway);
        EXPECT_NE(world.FolderIndex(hands->Mdb()), folder);
        hands->LetWatchTell(watch);
        const std::optional<NameCount> before = world.Changes(watch);
        EXPECT_EQ(before.has_value(), movedAway || !hands->Windows());
        hands->Make(WorldHands::Share::Nothing);
        hands->Close();
        hands->LetWatchTell(watch);
        EXPECT_EQ(world.Changes(watch), before);
        world.EndWatch(watch);
    }
}

// Woken by a batch that told nothing of the name, the watch rests: what it
// is told next waits for a look.
TEST_P(WorldContract, AWatchWokenForOtherNamesRestsUntilTheNextLook) {
    ExchangeWorld& world = hands->World();
    const uint64_t watch = world.Watch(hands->Mdb(), kRequestName);
    hands->Make(WorldHands::Share::Nothing, "other.db");
    hands->Close();
    hands->LetWatchTell(watch);
    const std::optional<NameCount> before = world.Changes(watch, true);
    hands->Make(WorldHands::Share::Nothing);
    hands->Close();
    hands->LetWatchTell(watch);
    EXPECT_EQ(world.Changes(watch, true), before);
    // A look reads on, and what the system kept is told at once.
    world.Changes(watch);
    hands->LetWatchTell(watch);
    EXPECT_EQ(world.Changes(watch).value_or(NameCount{}).given, 1u);
    world.EndWatch(watch);
}

// The writers met under Wine give the photos they give there.
TEST_P(WorldContract, OnePressIsOnePhotoWhateverWayItsWriterMakesTheRequest) {
    for (const WriterPattern& writer : kWriterPatterns) {
        SCOPED_TRACE(writer.name);
        hands = GetParam().make();
        EXPECT_EQ(PhotosOf(writer, *hands), writer.photos);
        EXPECT_FALSE(LookAtRequest(*hands).there);  // deleted once its writer let go
    }
}
