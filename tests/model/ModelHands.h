#pragma once

#include "../support/WorldHands.h"
#include "ModelWorld.h"

// The model's moves, as the world's contract and the writer table take them.
class ModelHands final : public WorldHands {
public:
    explicit ModelHands(ModelWorld::System system) : world_(Mdb(), {.system = system}) {}

    ModelWorld& Model() { return world_; }

    ExchangeWorld& World() override { return world_; }
    std::string Game() const override { return "C:\\Veldrun"; }
    bool Windows() const override { return world_.Given().system == ModelWorld::System::Windows; }

    void Make(Share share, const std::string& name = "takePhoto.db") override {
        if (name != "takePhoto.db" && name != "TAKEPHOTO.DB") {
            world_.MakeOtherFile();
            return;
        }
        world_.Make(share == Share::Nothing   ? ModelWorld::Share::Nothing
                    : share == Share::Reading ? ModelWorld::Share::Reading
                                              : ModelWorld::Share::Everything);
    }
    void Write() override {
        world_.Pass(std::chrono::milliseconds(30));
        world_.Write();
    }
    void Close() override { world_.Close(); }
    // The model knows one name, in any letters.
    void Delete(const std::string&) override { world_.Delete(); }
    void Flood() override { world_.Flood(); }
    void Link() override { world_.Link(); }
    void ReplaceFolder(bool movedAway) override {
        world_.ReplaceFolder(movedAway ? ModelWorld::Replaced::Covered
                                       : ModelWorld::Replaced::Deleted);
    }
    // A folder under the reply's name is a reply that cannot be written.
    void MakeFolder(const std::string& name) override {
        if (name == "takePhoto.db") {
            world_.MakeFolder();
        } else {
            world_.HoldReply(true);
        }
    }
    void SetReadOnly(bool readOnly) override { world_.SetReadOnly(readOnly); }
    void CopyKeepingTime() override { world_.CopyKeepingTime(); }
    void Pass(std::chrono::milliseconds time) override { world_.Pass(time); }
    void LetWatchTell(uint64_t) override {}

private:
    ModelWorld world_;
};
