#pragma once

#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "game/common/GameSubsystem.h"
#include "game/player/PlayerProfile.h"

class NamedProperties;
class ResourceStream;
class UlvoPath;

namespace Pemberquill {

// The player profiles of the running game, in six slots. The player's own
// profile is stored under the stem "steamuser" and named after the user
// name of the online service; a new profile of that name takes the stem
// again once the own profile is deleted, and every further profile gets the
// first free "steamuser-N" (N = 1..5). A stem names both the profile file
// "<stem>.playerProfile" and the options file "<stem>.pqoptions" in player
// storage. Every profile has a name of its own, by which the screens choose
// and delete it. The manager answers the profile screens, saves the active
// profile whenever the game asks and on every switch away from it.
//
// A stored file that cannot be read is kept aside under a name of its own
// and never written over; a file of an older version is copied aside before
// it is first saved over; the files of a deleted profile are moved aside.
class PlayerProfileManager : public GameSubsystem {
public:
    static constexpr int NUM_PROFILE_SLOTS = 6;
    static constexpr int NO_SLOT = -1;
    static constexpr const char* OWN_PROFILE_STEM = "steamuser";
    // The lesson the instructor gives a newly created player.
    static constexpr int WELCOME_MECHANIC_ID = 1680;

    PlayerProfileManager();
    ~PlayerProfileManager() override;
    PlayerProfileManager(const PlayerProfileManager&) = delete;
    PlayerProfileManager& operator=(const PlayerProfileManager&) = delete;

    // The live manager, or null.
    static PlayerProfileManager* GetGlobal();

    // Registers the handlers, loads (or creates) the player's own profile
    // into slot 0, the further stored profiles into the next slots, and
    // selects slot 0.
    void Startup(const std::string& userName);

    PlayerProfile* GetActiveProfile() const;
    int GetActiveSlotIndex() const { return m_activeSlotIndex; }
    void ClearPlayerProfiles();
    int FindFreeProfileSlot() const;
    int FindProfileSlotByName(const std::string& name) const;
    std::string GetProfileNameInSlot(int slot) const;
    std::string GetActiveProfileName() const;
    std::string GetActiveProfileFileStem() const;
    // The stem of the profile of that name; "" when there is none.
    std::string GetProfileFileStem(const std::string& name) const;
    static std::string GetProfileFileName(const std::string& stem);

    // A profile read from the stream into the free slot under the stem; it
    // is listed as "<name> (2)", "<name> (3)", ... when another profile has
    // its name. A damaged stream throws UlvoException and leaves the slot
    // free.
    void LoadPlayerProfileIntoSlot(int slot, ResourceStream& stream, const std::string& stem);
    // A new profile of that name into the free slot, saved at once.
    bool CreateProfileInSlot(int slot, const std::string& name);
    // True when the file was stored.
    bool SavePlayerProfile(int slot);
    void DeleteProfileInSlot(int slot);
    // Moves both files of the slot's stem aside as "<file>.deleted", so the
    // stem is free and the player stays gone after a restart.
    void DeleteProfileFiles(int slot);
    void DeselectProfileSlot(int slot);
    void SelectProfileSlot(int slot);
    // Saves the profile it leaves; selecting the active slot again does
    // nothing.
    void SwitchToPlayerProfileInSlot(int slot);
    void SetProfileDependentWidgetsVisible(bool visible);
    // Tells the player about the stored profiles that could not be read, once
    // the title window is up.
    void ShowPendingNotice();

    // The confirmation dialog (window 18, not pushed) whose accept button
    // fires acceptEvent with the payload as "OnActivationEventNameProperty";
    // built by the screens, nothing without them. The profiles ask with a
    // name: std::string is the one payload built.
    template <typename Payload>
    void ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                const std::string& cancelLabel, const std::string& acceptEvent,
                                const Payload& payload);

    void Event_OnCreateProfile(NamedProperties& args);
    void Event_OnSelectProfile(NamedProperties& args);
    void Event_OnDeleteProfile(NamedProperties& args);
    void Event_OnConfirmDeleteProfile(NamedProperties& args);
    void Event_OnShowCreateProfileDialog(NamedProperties& args);
    void Event_OnShowSelectProfileDialog(NamedProperties& args);
    void Event_OnLoadPlayerProfileFile(NamedProperties& args);
    void Event_OnSaveGame(NamedProperties& args);

private:
    struct Slot {
        std::unique_ptr<PlayerProfile> profile;
        std::string stem;
        // The stored file is of an older version: a copy is kept before the
        // first save replaces it.
        bool isBackupDue = false;
        // The stored file could be neither read nor kept aside: it is left
        // as it is.
        bool isSaveBlocked = false;
    };

    void RegisterEventHandlers();
    void LoadPlayerProfilesFromDisk();
    void LoadOwnProfile();
    void LoadFurtherProfiles();
    // Reads the stored file of the stem into the slot; false (with the file
    // kept aside and the notice noted) when it is damaged.
    bool LoadStoredProfile(int slot, ResourceStream& stream, const std::string& stem);
    // True, with the reason logged, for a stored file that is there but
    // cannot be read.
    bool IsUnreadable(const ResourceStream& stream, const std::string& fileName) const;
    // Moves the stem's profile file aside and notes the notice, which names
    // the player when the damaged file still tells the name; where it cannot
    // move, the stem is never written.
    void KeepDamagedProfileAside(const std::string& stem, const std::string& playerName);
    // No loaded profile holds the stem and no file is stored under it.
    bool IsStemFree(const std::string& stem) const;
    std::string FindFreeFurtherStem() const;
    // The name, or the first of "<name> (2)", "<name> (3)", ... that no
    // profile holds.
    std::string FindUnusedProfileName(const std::string& name) const;
    bool IsOccupied(int slot) const;
    int CountProfiles() const;
    // False with the reason when the copy could not be kept.
    bool BackUpOlderFile(Slot& slot, std::string& reason);
    // False with the reason when the profile's file was not written.
    bool WriteProfileFile(Slot& slot, const UlvoPath& path, std::string& reason);

    PlayerProfile m_defaultPlayerPrototype{"DefaultPlayer"};
    std::array<Slot, NUM_PROFILE_SLOTS> m_activeProfiles;
    int m_activeSlotIndex = 0;
    std::string m_userName;
    // The start-up's own profile is the one created under "steamuser".
    bool m_isCreatingOwnProfile = false;
    // What became of each damaged file and of its player.
    struct DamagedFileNote {
        std::string fileLine;
        std::string playerLine;
    };
    std::vector<DamagedFileNote> m_damagedFileNotes;
    // Stems whose damaged file could not be kept aside: never written.
    std::set<std::string> m_blockedStems;
};

} // namespace Pemberquill
