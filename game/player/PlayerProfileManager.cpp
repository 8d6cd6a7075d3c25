#include "game/player/PlayerProfileManager.h"

#include <algorithm>
#include <string>

#include "engine/core/AABB2.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/FileIO.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "game/common/GameSounds.h"
#include "game/common/TeachableGameMechanics.h"
#include "game/common/TextLines.h"
#include "game/common/GameWindowID.h"
#include "game/player/PlayerProfileScreens.h"
#include "game/common/KeepFileAside.h"
#include "game/common/SaveOutcomes.h"
#include "game/options/PemberquillOptions.h"
#include "game/steam/SteamInterface.h"

namespace Pemberquill {

namespace {

PlayerProfileManager* g_profileManager = nullptr;

const char* const NAME_PAYLOAD = "OnActivationEventNameProperty";
const char* const PROFILE_FILE_SUFFIX = ".playerProfile";
constexpr int MAX_FURTHER_STEM = PlayerProfileManager::NUM_PROFILE_SLOTS - 1;
constexpr float DIALOG_FONT_SIZE = 24.0f;
constexpr Rgba NOTICE_TITLE_COLOR{0, 255, 255, 255};
constexpr Rgba NOTICE_TEXT_COLOR{255, 255, 255, 255};
// Where the instructor's welcome lesson stands over the title window.
constexpr AABB2 WELCOME_LESSON_REGION{535.0f, 242.0f, 852.0f, 436.0f};

bool FetchName(NamedProperties& args, std::string& name)
{
    return args.Get(NAME_PAYLOAD, name) == PROPERTY_FETCH_OK;
}

void PopWindow(int windowId)
{
    if (PlayerProfileScreens* screens = GetPlayerProfileScreens()) {
        screens->PopWindow(windowId, true);
    }
}

void ShowInformation(const std::vector<TextLines>& lines)
{
    if (PlayerProfileScreens* screens = GetPlayerProfileScreens()) {
        screens->ShowInformationDialog(lines, "OK");
        screens->PushWindow(GAME_WINDOW_INFORMATION, false);
    }
    PlaySound(SOUND_UI_DIALOG_NORMAL);
}

// The version a stored profile file names, or the current one when the
// file cannot tell.
int32_t ReadStoredVersion(const UlvoPath& path)
{
    try {
        ResourceStream stream(path);
        if (stream.IsValid()) {
            stream.ReadString();
            return stream.ReadInt32();
        }
    } catch (const UlvoException&) {
    }
    return PLAYER_PROFILE_VERSION;
}

// The player's name as a damaged file still holds it, for the notice; ""
// when even the name is lost or is not one a player could have typed.
std::string ReadStoredName(const UlvoPath& path)
{
    constexpr size_t MAX_SHOWN_NAME_LENGTH = 40;
    try {
        ResourceStream stream(path);
        if (stream.IsValid()) {
            const std::string name = stream.ReadString();
            const bool isPrintable = std::all_of(name.begin(), name.end(),
                                                 [](char c) { return static_cast<unsigned char>(c) >= 0x20; });
            return isPrintable && name.size() <= MAX_SHOWN_NAME_LENGTH ? name : "";
        }
    } catch (const UlvoException&) {
    }
    return "";
}

} // namespace

PlayerProfileManager::PlayerProfileManager()
{
    g_profileManager = this;
}

PlayerProfileManager::~PlayerProfileManager()
{
    if (g_profileManager == this) {
        g_profileManager = nullptr;
    }
}

PlayerProfileManager* PlayerProfileManager::GetGlobal()
{
    return g_profileManager;
}

std::string PlayerProfileManager::GetProfileFileName(const std::string& stem)
{
    return stem + PROFILE_FILE_SUFFIX;
}

// ------------------------------------------------------------ start-up

void PlayerProfileManager::Startup(const std::string& userName)
{
    ConsolePrintf("Begin RegisterEventHandlers for PlayerProfileManager\n");
    RegisterEventHandlers();
    ConsolePrintf("End Register Event Handlers for PlayerProfileManager\n");

    ConsolePrintf("Begin PopulateDefaultPlayerPrototype for PlayerProfileManager\n");
    m_defaultPlayerPrototype.SetName("DefaultPlayer");
    ConsolePrintf("End PopulateDefaultPlayerPrototype for PlayerProfileManager\n");

    ConsolePrintf("Begin CreateProfilesDirectory for PlayerProfileManager\n");
    CreateFolder(UlvoPath(PATH_MARKER_USER_DATA, ""));
    ConsolePrintf("End CreateProfilesDirectory for PlayerProfileManager\n");

    m_userName = userName;
    ConsolePrintf("Begin LoadPlayerProfilesFromDisk for PlayerProfileManager\n");
    LoadPlayerProfilesFromDisk();
    ConsolePrintf("End LoadPlayerProfilesFromDisk for PlayerProfileManager\n");

    ConsolePrintf("Begin SetProfileDependentWidgetsVisible for PlayerProfileManager\n");
    SetProfileDependentWidgetsVisible(GetActiveProfile() != nullptr);
    ConsolePrintf("End SetProfileDependentWidgetsAvailable for PlayerProfileManager\n");
}

void PlayerProfileManager::RegisterEventHandlers()
{
    struct Subscription {
        const char* eventName;
        void (PlayerProfileManager::*handler)(NamedProperties&);
    };
    static const Subscription SUBSCRIPTIONS[] = {
        {"CreateProfileEvent", &PlayerProfileManager::Event_OnCreateProfile},
        {"SelectProfileEvent", &PlayerProfileManager::Event_OnSelectProfile},
        {"DeleteProfileEvent", &PlayerProfileManager::Event_OnDeleteProfile},
        {"ConfirmDeleteProfileEvent", &PlayerProfileManager::Event_OnConfirmDeleteProfile},
        {"ShowCreateProfileDialogEvent", &PlayerProfileManager::Event_OnShowCreateProfileDialog},
        {"ShowSelectProfileDialogEvent", &PlayerProfileManager::Event_OnShowSelectProfileDialog},
        {"LoadPlayerProfileFile", &PlayerProfileManager::Event_OnLoadPlayerProfileFile},
        {"SaveGameEvent", &PlayerProfileManager::Event_OnSaveGame},
    };
    UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal();
    if (eventSystem == nullptr) {
        return;
    }
    eventSystem->UnregisterRecipient(this);
    for (const Subscription& subscription : SUBSCRIPTIONS) {
        RegisterEventHandler(subscription.eventName, eventSystem, subscription.handler, this);
    }
}

void PlayerProfileManager::LoadPlayerProfilesFromDisk()
{
    ConsolePrintf("Begin ClearPlayerProfiles\n");
    ClearPlayerProfiles();
    ConsolePrintf("End ClearPlayerProfiles\n");
    ConsolePrintf("Using SteamInterface for PlayerProfiles.\n");
    ConsolePrintf("Steam User Name is: %s\n", m_userName.c_str());

    LoadOwnProfile();
    LoadFurtherProfiles();

    ConsolePrintf("Begin SwitchToPlayerProfileInSlot 0\n");
    SwitchToPlayerProfileInSlot(0);
    ConsolePrintf("End SwitchToPlayerProfileInSlot 0\n");
}

void PlayerProfileManager::LoadOwnProfile()
{
    const std::string fileName = GetProfileFileName(OWN_PROFILE_STEM);
    ConsolePrintf("Creating ResourceStream for %s--this should attempt to load it.\n", fileName.c_str());
    ResourceStream stream(UlvoPath(PATH_MARKER_PLAYER_STORAGE, fileName));
    if (stream.IsValid() && stream.GetSize() > 0) {
        ConsolePrintf("PlayerProfile found on Steam.\n");
        ConsolePrintf("Loaded a ResourceStream containing %d bytes; about to load a player profile from it.\n",
                      stream.GetSize());
        const int slot = FindFreeProfileSlot();
        ConsolePrintf("New slot index is: %d\n", slot);
        ConsolePrintf("Begin LoadPlayerProfileIntoSlot\n");
        const bool isLoaded = LoadStoredProfile(slot, stream, OWN_PROFILE_STEM);
        ConsolePrintf("End LoadPlayerProfileIntoSlot\n");
        if (isLoaded) {
            m_activeProfiles[slot].profile->SetName(m_userName);
            return;
        }
        ConsolePrintf("PlayerProfile could not be read.  Creating a new one.\n");
    } else if (IsUnreadable(stream, fileName)) {
        KeepDamagedProfileAside(OWN_PROFILE_STEM, "");
        ConsolePrintf("Creating a new PlayerProfile beside it.\n");
    } else if (stream.IsValid()) {
        ConsolePrintf("PlayerProfile was found on Steam, but it contained 0 bytes!!!  Creating a new one.\n");
    } else {
        ConsolePrintf("PlayerProfile not found on Steam.  Creating a new one.\n");
    }

    m_isCreatingOwnProfile = true;
    NamedProperties args;
    args.Set<std::string>(NAME_PAYLOAD, m_userName);
    FireGlobalEvent("CreateProfileEvent", args);
    m_isCreatingOwnProfile = false;
    if (FindProfileSlotByName(m_userName) != NO_SLOT) {
        ConsolePrintf("Successfully created new PlayerProfile on Steam.\n");
    } else {
        ConsolePrintf("ERROR: No PlayerProfile could be created for \"%s\".\n", m_userName.c_str());
    }
}

void PlayerProfileManager::LoadFurtherProfiles()
{
    for (int number = 1; number <= MAX_FURTHER_STEM; ++number) {
        const std::string stem = Stringf("%s-%d", OWN_PROFILE_STEM, number);
        ResourceStream stream(UlvoPath(PATH_MARKER_PLAYER_STORAGE, GetProfileFileName(stem)));
        if (IsUnreadable(stream, GetProfileFileName(stem))) {
            KeepDamagedProfileAside(stem, "");
            continue;
        }
        if (!stream.IsValid() || stream.GetSize() == 0) {
            continue;
        }
        const int slot = FindFreeProfileSlot();
        if (slot == NO_SLOT) {
            return;
        }
        LoadStoredProfile(slot, stream, stem);
    }
}

bool PlayerProfileManager::LoadStoredProfile(int slot, ResourceStream& stream, const std::string& stem)
{
    const std::string fileName = GetProfileFileName(stem);
    try {
        LoadPlayerProfileIntoSlot(slot, stream, stem);
    } catch (const UlvoException& error) {
        ConsolePrintf("ERROR: Player profile \"%s\" is damaged and cannot be read.\n%s\n", fileName.c_str(),
                      error.GetMessage().c_str());
        KeepDamagedProfileAside(stem, ReadStoredName(UlvoPath(PATH_MARKER_PLAYER_STORAGE, fileName)));
        return false;
    }
    m_activeProfiles[slot].isBackupDue =
        ReadStoredVersion(UlvoPath(PATH_MARKER_PLAYER_STORAGE, fileName)) < PLAYER_PROFILE_VERSION;
    return true;
}

bool PlayerProfileManager::IsUnreadable(const ResourceStream& stream, const std::string& fileName) const
{
    if (stream.GetUnreadableReason().empty()) {
        return false;
    }
    ConsolePrintf("ERROR: Player profile \"%s\" is there but cannot be read (%s).\n", fileName.c_str(),
                  stream.GetUnreadableReason().c_str());
    return true;
}

// Renamed, never copied: a file of any size, or one that cannot be read,
// is kept whole, and the stem is free for a new profile. In remote storage,
// where nothing is removed, the rename is what frees it.
void PlayerProfileManager::KeepDamagedProfileAside(const std::string& stem, const std::string& playerName)
{
    const std::string fileName = GetProfileFileName(stem);
    const std::string keptName = MoveFileAside(fileName, ".damaged");
    DamagedFileNote note;
    if (keptName.empty()) {
        // Nothing may write over the only copy of the player's data.
        ConsolePrintf("ERROR: \"%s\" could not be kept aside; it will not be saved over.\n", fileName.c_str());
        m_blockedStems.insert(stem);
        note.fileLine = Stringf("\"%s\" is left as it is.", fileName.c_str());
    } else {
        ConsolePrintf("WARNING: The damaged player profile was kept as \"%s\".\n", keptName.c_str());
        note.fileLine = Stringf("It was kept as \"%s\".", keptName.c_str());
    }
    // The own player is made anew at once; a further player is simply not
    // loaded, and no new profile takes its place.
    if (stem == OWN_PROFILE_STEM) {
        note.playerLine = "Its player starts again with a new profile.";
    } else if (!playerName.empty()) {
        note.playerLine = Stringf("Its player, \"%s\", is no longer in the list of players.", playerName.c_str());
    } else {
        note.playerLine = "Its player is no longer in the list of players.";
    }
    m_damagedFileNotes.push_back(note);
}

void PlayerProfileManager::ShowPendingNotice()
{
    if (m_damagedFileNotes.empty()) {
        return;
    }
    std::vector<TextLines> lines;
    lines.emplace_back("A saved player profile could not be read.", NOTICE_TITLE_COLOR, nullptr, DIALOG_FONT_SIZE);
    for (const DamagedFileNote& note : m_damagedFileNotes) {
        lines.emplace_back(note.fileLine, NOTICE_TEXT_COLOR, nullptr, DIALOG_FONT_SIZE);
        lines.emplace_back(note.playerLine, NOTICE_TEXT_COLOR, nullptr, DIALOG_FONT_SIZE);
    }
    m_damagedFileNotes.clear();
    ShowInformation(lines);
}

// ------------------------------------------------------------ slots

int PlayerProfileManager::CountProfiles() const
{
    int count = 0;
    for (const Slot& slot : m_activeProfiles) {
        count += slot.profile != nullptr ? 1 : 0;
    }
    return count;
}

bool PlayerProfileManager::IsOccupied(int slot) const
{
    return slot >= 0 && slot < NUM_PROFILE_SLOTS && m_activeProfiles[slot].profile != nullptr;
}

PlayerProfile* PlayerProfileManager::GetActiveProfile() const
{
    return IsOccupied(m_activeSlotIndex) ? m_activeProfiles[m_activeSlotIndex].profile.get() : nullptr;
}

void PlayerProfileManager::ClearPlayerProfiles()
{
    m_activeSlotIndex = NO_SLOT;
    for (Slot& slot : m_activeProfiles) {
        slot = Slot();
    }
}

int PlayerProfileManager::FindFreeProfileSlot() const
{
    for (int slot = 0; slot < NUM_PROFILE_SLOTS; ++slot) {
        if (!IsOccupied(slot)) {
            return slot;
        }
    }
    return NO_SLOT;
}

int PlayerProfileManager::FindProfileSlotByName(const std::string& name) const
{
    for (int slot = 0; slot < NUM_PROFILE_SLOTS; ++slot) {
        if (IsOccupied(slot) && m_activeProfiles[slot].profile->GetName() == name) {
            return slot;
        }
    }
    return NO_SLOT;
}

std::string PlayerProfileManager::GetProfileNameInSlot(int slot) const
{
    return IsOccupied(slot) ? m_activeProfiles[slot].profile->GetName() : "";
}

std::string PlayerProfileManager::GetActiveProfileName() const
{
    return GetProfileNameInSlot(m_activeSlotIndex);
}

std::string PlayerProfileManager::GetActiveProfileFileStem() const
{
    return IsOccupied(m_activeSlotIndex) ? m_activeProfiles[m_activeSlotIndex].stem : "";
}

std::string PlayerProfileManager::GetProfileFileStem(const std::string& name) const
{
    const int slot = FindProfileSlotByName(name);
    return slot != NO_SLOT ? m_activeProfiles[slot].stem : "";
}

bool PlayerProfileManager::IsStemFree(const std::string& stem) const
{
    for (const Slot& slot : m_activeProfiles) {
        if (slot.profile != nullptr && slot.stem == stem) {
            return false;
        }
    }
    // A file nobody loaded is still somebody's, readable or not.
    return !IsPlayerFileNameTaken(GetProfileFileName(stem));
}

std::string PlayerProfileManager::FindFreeFurtherStem() const
{
    for (int number = 1; number <= MAX_FURTHER_STEM; ++number) {
        const std::string stem = Stringf("%s-%d", OWN_PROFILE_STEM, number);
        if (IsStemFree(stem)) {
            return stem;
        }
    }
    return "";
}

std::string PlayerProfileManager::FindUnusedProfileName(const std::string& name) const
{
    std::string unused = name;
    for (int copy = 2; FindProfileSlotByName(unused) != NO_SLOT; ++copy) {
        unused = Stringf("%s (%d)", name.c_str(), copy);
    }
    return unused;
}

void PlayerProfileManager::LoadPlayerProfileIntoSlot(int slot, ResourceStream& stream, const std::string& stem)
{
    const char* const title = "Error in PlayerProfileManager::LoadPlayerProfileIntoSlot()";
    ULVO_ASSERT(slot >= 0 && slot < NUM_PROFILE_SLOTS,
                Stringf("Couldn't load a profile; newProfileSlotIndex was passed as %d; must be in range [0,%d].",
                        slot, NUM_PROFILE_SLOTS - 1),
                title);
    ULVO_ASSERT(m_activeProfiles[slot].profile == nullptr,
                Stringf("Cannot load a Player Profile in slot #%d; profile \"%s\" currently occupies that slot!",
                        slot, m_activeProfiles[slot].profile->GetName().c_str()),
                title);
    ConsolePrintf("Begin constructing a new PlayerProfile\n");
    auto profile = std::make_unique<PlayerProfile>(stream);
    ConsolePrintf("End constructing a new PlayerProfile\n");
    // The screens choose and delete players by name, so a name another
    // player holds (files of earlier builds may share one) is listed under
    // one of its own.
    const std::string listedName = FindUnusedProfileName(profile->GetName());
    if (listedName != profile->GetName()) {
        ConsolePrintf("WARNING: Another player is already named \"%s\"; the player of \"%s\" is listed as \"%s\".\n",
                      profile->GetName().c_str(), GetProfileFileName(stem).c_str(), listedName.c_str());
        profile->SetName(listedName);
    }
    m_activeProfiles[slot] = Slot();
    m_activeProfiles[slot].profile = std::move(profile);
    m_activeProfiles[slot].stem = stem;
}

bool PlayerProfileManager::CreateProfileInSlot(int slot, const std::string& name)
{
    if (slot < 0 || slot >= NUM_PROFILE_SLOTS || IsOccupied(slot)) {
        ConsolePrintf("ERROR: No free slot #%d for the new player profile \"%s\".\n", slot, name.c_str());
        return false;
    }
    // The player's own name goes back under the own stem once that is free,
    // or the next start would make a new own profile beside it.
    const bool isOwnProfile = m_isCreatingOwnProfile || (name == m_userName && IsStemFree(OWN_PROFILE_STEM));
    const std::string stem = isOwnProfile ? OWN_PROFILE_STEM : FindFreeFurtherStem();
    if (stem.empty()) {
        ConsolePrintf("ERROR: Every player profile file is in use; \"%s\" was not created.\n", name.c_str());
        return false;
    }
    m_activeProfiles[slot] = Slot();
    m_activeProfiles[slot].profile = std::make_unique<PlayerProfile>(name);
    m_activeProfiles[slot].stem = stem;
    m_activeProfiles[slot].isSaveBlocked = m_blockedStems.count(stem) != 0;
    SavePlayerProfile(slot);
    return true;
}

bool PlayerProfileManager::BackUpOlderFile(Slot& slot, std::string& reason)
{
    const std::string fileName = GetProfileFileName(slot.stem);
    std::unique_ptr<unsigned char[]> bytes;
    const int32_t byteCount = ReadWholeFile(UlvoPath(PATH_MARKER_PLAYER_STORAGE, fileName), bytes, &reason);
    if (byteCount == WHOLE_FILE_UNREADABLE) {
        reason = "its older version can no longer be read (" + reason + ")";
        return false;
    }
    if (byteCount > 0) {
        const std::string copyName = KeepFileAside(bytes.get(), byteCount, fileName, ".oldversion");
        if (copyName.empty()) {
            reason = "no copy of its older version could be kept";
            return false;
        }
        ConsolePrintf("The older player profile \"%s\" was kept as \"%s\".\n", fileName.c_str(), copyName.c_str());
    }
    slot.isBackupDue = false;
    return true;
}

bool PlayerProfileManager::WriteProfileFile(Slot& slot, const UlvoPath& path, std::string& reason)
{
    if (slot.isSaveBlocked) {
        reason = "the damaged file there could not be kept aside, so it is not written over";
        return false;
    }
    if (slot.isBackupDue && !BackUpOlderFile(slot, reason)) {
        return false;
    }
    ResourceStream stream(RESOURCE_STREAM_FORMAT_BINARY, 1024);
    ConsolePrintf("About to write player profile to internal resource stream...\n");
    slot.profile->Write(stream);
    ConsolePrintf("Wrote %d bytes into player profile resource stream.  About to save it...\n", stream.GetSize());
    return stream.SaveToFile(path, &reason);
}

bool PlayerProfileManager::SavePlayerProfile(int slot)
{
    if (!IsOccupied(slot)) {
        return false;
    }
    Slot& saved = m_activeProfiles[slot];
    const UlvoPath path(PATH_MARKER_PLAYER_STORAGE, GetProfileFileName(saved.stem));
    std::string reason;
    if (!WriteProfileFile(saved, path, reason)) {
        ReportSaveFailure({"The player profile", path.GetResolvedPath(), reason});
        return false;
    }
    ReportProgressSaved();
    ConsolePrintf("Player profile resource stream written.\n");
    GetSteamInterface().GetLeaderboards().UploadScore(saved.profile->GetAchievements());
    return true;
}

// Moved aside rather than removed: remote storage removes nothing, while a
// rename frees the name there as in local storage, so the next start no
// longer finds the player; and a player deleted by mistake can still be
// recovered. Only where no copy can be kept is the file removed.
void PlayerProfileManager::DeleteProfileFiles(int slot)
{
    if (!IsOccupied(slot) || m_activeProfiles[slot].stem.empty()) {
        return;
    }
    const std::string& stem = m_activeProfiles[slot].stem;
    for (const std::string& fileName : {GetProfileFileName(stem), PemberquillOptions::GetOptionsFileName(stem)}) {
        if (!IsPlayerFileNameTaken(fileName)) {
            continue;
        }
        const std::string keptName = MoveFileAside(fileName, ".deleted");
        if (!keptName.empty()) {
            ConsolePrintf("The deleted player's \"%s\" was kept as \"%s\".\n", fileName.c_str(), keptName.c_str());
            continue;
        }
        RemoveFile(UlvoPath(PATH_MARKER_PLAYER_STORAGE, fileName));
        if (IsPlayerFileNameTaken(fileName)) {
            ConsolePrintf("ERROR: The deleted player's \"%s\" could be neither kept aside nor removed.\n",
                          fileName.c_str());
        }
    }
}

void PlayerProfileManager::DeleteProfileInSlot(int slot)
{
    if (!IsOccupied(slot)) {
        return;
    }
    DeleteProfileFiles(slot);
    m_activeProfiles[slot] = Slot();
    if (slot == m_activeSlotIndex) {
        // Or the next save of the options would bring its file back.
        GetPemberquillOptions().ForgetUser();
        m_activeSlotIndex = NO_SLOT;
        // Whoever held the deleted profile's records lets go of them.
        SelectProfileSlot(NO_SLOT);
        SetProfileDependentWidgetsVisible(false);
    }
}

void PlayerProfileManager::DeselectProfileSlot(int slot)
{
    DebuggerPrintf("Deselected profile slot #%d (\"%s\")\n", slot, GetProfileNameInSlot(slot).c_str());
    if (IsOccupied(slot)) {
        SavePlayerProfile(slot);
    }
}

void PlayerProfileManager::SelectProfileSlot(int slot)
{
    DebuggerPrintf("Selected profile slot #%d (\"%s\")\n", slot, GetProfileNameInSlot(slot).c_str());
    NamedProperties args;
    PlayerProfile* profile = IsOccupied(slot) ? m_activeProfiles[slot].profile.get() : nullptr;
    args.Set("NewlySelectedPlayerProfile", profile);
    args.Set<std::string>("NewlySelectedPlayerProfileName", GetProfileNameInSlot(slot));
    FireGlobalEvent("OnPlayerProfileSelected", args);
    SetProfileDependentWidgetsVisible(true);
}

void PlayerProfileManager::SwitchToPlayerProfileInSlot(int slot)
{
    const int old = m_activeSlotIndex;
    m_activeSlotIndex = slot;
    if (old != slot) {
        DeselectProfileSlot(old);
        SelectProfileSlot(slot);
    }
}

void PlayerProfileManager::SetProfileDependentWidgetsVisible(bool visible)
{
    NamedProperties enabled;
    enabled.Set("Enabled", visible);
    FireGlobalEvent("SetVisibilityForProfileDependentWidgetsEvent", enabled);

    NamedProperties label;
    NamedProperties button;
    if (!visible) {
        NamedProperties greeting;
        greeting.Set("FontHeight", DIALOG_FONT_SIZE);
        greeting.Set<std::string>("Label", "Please create a Player Profile");
        greeting.Set("BaseColor", Rgba(255, 255, 255, 0));
        FireGlobalEvent("ActivePlayerProfileNameChangedEvent", greeting);
        label.Set<std::string>("Label", "Create a Player Profile");
        button.Set<std::string>("OnActivationEventName", "ShowCreateProfileDialogEvent");
    } else {
        label.Set<std::string>("Label", Stringf("Click here if you're not %s", GetActiveProfileName().c_str()));
        label.Set("BaseColor", Rgba(255, 255, 255, 100));
        button.Set<std::string>("OnActivationEventName", "ShowSelectProfileDialogEvent");
    }
    FireGlobalEvent("SetChangeProfileLabelEvent", label);
    FireGlobalEvent("UpdateClickHereIfYouAreNotButton", button);
}

// ------------------------------------------------------------ events

void PlayerProfileManager::Event_OnCreateProfile(NamedProperties& args)
{
    std::string name;
    // A player has to be called something.
    if (!FetchName(args, name) || name.empty()) {
        return;
    }
    if (FindProfileSlotByName(name) != NO_SLOT) {
        ShowInformation({
            TextLines("That profile name already exists!", NOTICE_TITLE_COLOR, nullptr, DIALOG_FONT_SIZE),
            TextLines("Try a different name, or Cancel and use that profile.", NOTICE_TEXT_COLOR, nullptr,
                      DIALOG_FONT_SIZE),
        });
        return;
    }
    if (!CreateProfileInSlot(FindFreeProfileSlot(), name)) {
        ShowInformation({
            TextLines("There is no room for another player!", NOTICE_TITLE_COLOR, nullptr, DIALOG_FONT_SIZE),
            TextLines("Delete a player to make room for a new one.", NOTICE_TEXT_COLOR, nullptr, DIALOG_FONT_SIZE),
        });
        return;
    }
    PopWindow(GAME_WINDOW_CREATE_PROFILE);
    SwitchToPlayerProfileInSlot(FindProfileSlotByName(name));
    PopWindow(GAME_WINDOW_SELECT_PROFILE);
    PlayerProfileScreens* screens = GetPlayerProfileScreens();
    if (screens != nullptr) {
        screens->SetInstructorTextRegion(WELCOME_LESSON_REGION);
    }
    TeachableGameMechanics welcome;
    welcome.mechanics.insert(WELCOME_MECHANIC_ID);
    NamedProperties lesson;
    lesson.Set("GameMechanicsToTeach", welcome);
    lesson.Set("ParentWindowContextHandle", screens != nullptr ? screens->GetWindowHandle(GAME_WINDOW_TITLE) : -1);
    FireGlobalEvent("TeachMechanicsEvent", lesson);
}

void PlayerProfileManager::Event_OnSelectProfile(NamedProperties& args)
{
    std::string name;
    if (!FetchName(args, name)) {
        return;
    }
    PopWindow(GAME_WINDOW_SELECT_PROFILE);
    const int slot = FindProfileSlotByName(name);
    if (slot != NO_SLOT) {
        SwitchToPlayerProfileInSlot(slot);
    }
}

template <typename Payload>
void PlayerProfileManager::ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                                  const std::string& cancelLabel, const std::string& acceptEvent,
                                                  const Payload& payload)
{
    if (PlayerProfileScreens* screens = GetPlayerProfileScreens()) {
        screens->ShowConfirmationDialog(question, acceptLabel, cancelLabel, acceptEvent, payload);
    }
}

template void PlayerProfileManager::ShowConfirmationDialog<std::string>(const std::string&, const std::string&,
                                                                        const std::string&, const std::string&,
                                                                        const std::string&);

void PlayerProfileManager::Event_OnConfirmDeleteProfile(NamedProperties& args)
{
    std::string name;
    if (!FetchName(args, name)) {
        return;
    }
    ShowConfirmationDialog(Stringf("Are you sure you want to delete %s?", name.c_str()), "Yes, delete it.",
                           "No, leave it.", "DeleteProfileEvent", name);
    if (PlayerProfileScreens* screens = GetPlayerProfileScreens()) {
        screens->PushWindow(GAME_WINDOW_CONFIRMATION, false);
    }
    PlaySound(SOUND_UI_DIALOG_CONFIRMATION);
}

void PlayerProfileManager::Event_OnDeleteProfile(NamedProperties& args)
{
    std::string name;
    if (FetchName(args, name)) {
        const int slot = FindProfileSlotByName(name);
        if (slot != NO_SLOT) {
            DeleteProfileInSlot(slot);
        }
    }
    PopWindow(GAME_WINDOW_CONFIRMATION);
    PopWindow(GAME_WINDOW_SELECT_PROFILE);
    FireGlobalEvent("ShowSelectProfileDialogEvent");
    PlaySound(SOUND_PLAYINGPUZZLE_PUZZLE_CLEARED);
}

void PlayerProfileManager::Event_OnShowCreateProfileDialog(NamedProperties& /*args*/)
{
    if (PlayerProfileScreens* screens = GetPlayerProfileScreens()) {
        screens->CreateCreateProfileDialog(CountProfiles() == 0);
        screens->PushWindow(GAME_WINDOW_CREATE_PROFILE, false);
    }
}

void PlayerProfileManager::Event_OnShowSelectProfileDialog(NamedProperties& /*args*/)
{
    std::vector<std::string> names;
    const std::string activeName = GetActiveProfileName();
    bool isActiveListed = false;
    for (const Slot& slot : m_activeProfiles) {
        if (slot.profile != nullptr) {
            names.push_back(slot.profile->GetName());
            isActiveListed = isActiveListed || (GetActiveProfile() != nullptr && names.back() == activeName);
        }
    }
    if (PlayerProfileScreens* screens = GetPlayerProfileScreens()) {
        screens->CreateSelectProfileWindow(names, static_cast<int>(names.size()) < NUM_PROFILE_SLOTS, isActiveListed);
        screens->PushWindow(GAME_WINDOW_SELECT_PROFILE, false);
    }
}

void PlayerProfileManager::Event_OnLoadPlayerProfileFile(NamedProperties& args)
{
    std::string fileName;
    if (args.Get("File Name", fileName) != PROPERTY_FETCH_OK) {
        return;
    }
    ResourceStream stream(UlvoPath(PATH_MARKER_PLAYER_STORAGE, fileName));
    if (!stream.IsValid()) {
        ConsolePrintf("Failed to open player profile file \"%s\"!", fileName.c_str());
        return;
    }
    if (stream.GetSize() == 0) {
        ConsolePrintf("Opened player profile file \"%s\", but file was empty!!!", fileName.c_str());
        return;
    }
    // The profile is saved back to the file it came from, so only a profile
    // file of a stem nobody holds can be taken in.
    const size_t suffixLength = std::char_traits<char>::length(PROFILE_FILE_SUFFIX);
    const bool isProfileFile = fileName.size() > suffixLength &&
                               fileName.compare(fileName.size() - suffixLength, suffixLength, PROFILE_FILE_SUFFIX) == 0;
    const std::string stem = isProfileFile ? fileName.substr(0, fileName.size() - suffixLength) : "";
    bool isStemHeld = false;
    for (const Slot& slot : m_activeProfiles) {
        isStemHeld = isStemHeld || (slot.profile != nullptr && slot.stem == stem);
    }
    const int slot = FindFreeProfileSlot();
    if (stem.empty() || isStemHeld || slot == NO_SLOT) {
        ConsolePrintf("ERROR: Player profile file \"%s\" was not loaded: not a profile file, already loaded, or "
                      "no free slot.\n",
                      fileName.c_str());
        return;
    }
    try {
        LoadPlayerProfileIntoSlot(slot, stream, stem);
    } catch (const UlvoException& error) {
        ConsolePrintf("ERROR: Player profile file \"%s\" is damaged and was not loaded.\n%s\n", fileName.c_str(),
                      error.GetMessage().c_str());
    }
}

void PlayerProfileManager::Event_OnSaveGame(NamedProperties& /*args*/)
{
    if (IsOccupied(m_activeSlotIndex)) {
        SavePlayerProfile(m_activeSlotIndex);
    }
}

} // namespace Pemberquill
