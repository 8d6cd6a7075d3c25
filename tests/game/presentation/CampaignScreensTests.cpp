// The campaign's screens on the real screen manager, on a 1024 x 768
// screen: the region buttons of the campaign window, the location looks of
// the region map, the homework and the pages of a location, and the route on
// the map.

#include <algorithm>
#include <iterator>

#include "game/presentation/board/CampaignRoute.h"
#include "game/campaign/CampaignRegion.h"
#include "game/presentation/ui/UITextureNames.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"
#include "tests/support/RecordingDrawCalls.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/game/campaign/CampaignTestSupport.h"

namespace campaign_test {
namespace {

using screen_test::Layout;
using screen_test::ScreenEnvironment;

class CampaignScreensTest : public CampaignFixture {
protected:
    void SetUp() override { env.ui.Startup(env.clock); }

    static BaseWidget* Child(int parent, const std::string& name)
    {
        const std::vector<BaseWidget*> found = screen_test::Children(parent, name);
        return found.empty() ? nullptr : found.front();
    }
    static int Window(int windowId) { return PemberquillUI::GetWindowHandle(windowId); }
    static std::string WindowLayout(int windowId) { return Layout(BaseWidget::FindWidgetByHandle(Window(windowId))); }

    screen_test::ScreenOf1024x768 screen;
    ScreenEnvironment env;
};

TEST_F(CampaignScreensTest, ASatisfiedLocationPagesItsEasyPuzzlesEightAtATime)
{
    StartChef(76);
    CampaignNode& node = AddBookNode("Reef");
    Attach();
    node.SetPlayerState(CAMPAIGN_NODE_SATISFIED);
    ASSERT_EQ(20, node.GetPuzzleSet()->GetRanges()[PUZZLE_SET_RANGE_EASY].GetCount());
    env.ui.CreateCampaignNodeWindow(&node);

    const struct {
        size_t thumbnails;
        bool hasPrevious;
        bool hasNext;
    } pages[] = {{8, false, true}, {8, true, true}, {4, true, false}};
    for (int page = 0; page < 3; ++page) {
        node.SetSatisfiedPuzzleEasyPage(page);
        env.ui.CreatePuzzleGroups(&node, GAME_WINDOW_EASY_PUZZLES);
        const int group = PemberquillUI::GetWindowHandle(GAME_WINDOW_EASY_PUZZLES);
        const auto& expected = pages[page];
        EXPECT_EQ(screen_test::Children(group, "PlayPuzzle").size(), expected.thumbnails) << "page " << page;
        EXPECT_EQ(screen_test::Children(group, "PrevPageButton").at(0)->GetProperty<bool>("Enabled"), expected.hasPrevious);
        EXPECT_EQ(screen_test::Children(group, "NextPageButton").at(0)->GetProperty<bool>("Enabled"), expected.hasNext);
    }
    // One group per difficulty, the page turn replacing the old one.
    EXPECT_EQ(screen_test::Children(PemberquillUI::GetWindowHandle(GAME_WINDOW_PUZZLE_SET), "EasyPuzzlesGroup").size(), 1u);
}

TEST_F(CampaignScreensTest, TheRegionMapShowsEachLocationsStateAndRecordsItAsSeen)
{
    StartChef();
    AddNode("Open", {}, {"Secret"});
    AddNode("Revealed");
    AddNode("Secret", {}, {}, true);
    Attach();
    Node("Open").SetPlayerState(CAMPAIGN_NODE_OPEN);
    Node("Revealed").SetPlayerState(CAMPAIGN_NODE_REVEALED);
    CampaignRegion region;
    region.SetName("Ocean");
    region.SetNodeNames({"Open", "Revealed", "Secret"});
    region.ResolveNodes(nodes);

    for (int build = 0; build < 2; ++build) {
        env.ui.CreateCampaignRegion(&region);
        const int window = PemberquillUI::GetWindowHandle(GAME_WINDOW_CAMPAIGN_REGION);
        EXPECT_TRUE(screen_test::Children(window, "OpenCampaignNodeButton").at(0)->GetProperty<bool>("Enabled"));
        EXPECT_FALSE(screen_test::Children(window, "RevealedCampaignNodeButton").at(0)->GetProperty<bool>("Enabled"));
        EXPECT_TRUE(screen_test::Children(window, "SecretCampaignNodeButton").empty());
        EXPECT_EQ(StatesOf({"Open", "Revealed", "Secret"}), (std::vector<int>{4, 2, 0})) << "build " << build;
    }
    // Satisfying the location that unlocks it puts the optional one on the map.
    CampaignNode::SatisfyNode(nodes, "Open");
    env.ui.CreateCampaignRegion(&region);
    const auto secret = screen_test::Children(PemberquillUI::GetWindowHandle(GAME_WINDOW_CAMPAIGN_REGION),
                                              "SecretCampaignNodeButton");
    ASSERT_EQ(secret.size(), 1u);
    EXPECT_TRUE(secret.at(0)->GetProperty<bool>("Enabled"));
}

// A region image that gives no texture is looked for at the first build only.
TEST_F(CampaignScreensTest, ARegionImageNotLoadedIsLookedForOnceAcrossBuilds)
{
    std::vector<CampaignRegion> regions(1);
    regions[0].SetName("Ocean");
    regions[0].SetImagePath(CAMPAIGN_REGION_IMAGE_UNLOCKED, "Ocean_Unlocked.png");
    regions[0].SetImagePath(CAMPAIGN_REGION_IMAGE_LOCKED, "Ocean_Locked.png");
    regions[0].SetImagePath(CAMPAIGN_REGION_IMAGE_HIGHLIGHTED, "Ocean_Highlighted.png");
    const std::string notLoaded = "Images/Backgrounds/Ocean_Locked.png";
    env.images.notLoaded = {notLoaded};
    env.images.requests.clear();

    env.ui.CreateCampaignWindow(regions);
    env.ui.CreateCampaignWindow(regions);
    std::vector<std::string> requested;
    for (const UlvoPath& path : env.images.requests) {
        requested.push_back(path.GetRelativePath());
    }
    EXPECT_EQ(std::count(requested.begin(), requested.end(), notLoaded), 1);
    EXPECT_EQ(requested.size(), 3u) << "the two found images stay cached in the region";
}

// Regions without locations count as started; a region whose only location
// is still locked is not. The buttons fill the band from 96 to 672 bottom
// up, the first region lowest.
TEST_F(CampaignScreensTest, TheRegionButtonsStackUpTheBandAndTheLastWaitsForEveryOtherRegion)
{
    StartChef();
    AddNode("Locked");
    Attach();
    const struct {
        const char* name;
        size_t regionCount;
        int lockedRegion; // -1 for none
        std::vector<std::string> buttons;
    } cases[] = {
        {"all started", 6, -1,
         {"R0CampaignRegionButton 665.6 x 67.2 at (358.4, 604.8)", "R1CampaignRegionButton 665.6 x 67.2 at (358.4, 508.8)",
          "R2CampaignRegionButton 665.6 x 67.2 at (358.4, 412.8)", "R3CampaignRegionButton 665.6 x 67.2 at (358.4, 316.8)",
          "R4CampaignRegionButton 665.6 x 67.2 at (358.4, 220.8)", "R5CampaignRegionButton 665.6 x 67.2 at (358.4, 124.8)"}},
        {"the second locked", 6, 1,
         {"R0CampaignRegionButton 665.6 x 80.6 at (358.4, 591.4)", "R1CampaignRegionButton 665.6 x 80.6 at (358.4, 476.2)",
          "R2CampaignRegionButton 665.6 x 80.6 at (358.4, 361.0)", "R3CampaignRegionButton 665.6 x 80.6 at (358.4, 245.8)",
          "R4CampaignRegionButton 665.6 x 80.6 at (358.4, 130.6)", "missing"}},
        {"one region", 1, -1, {"R0CampaignRegionButton 665.6 x 403.2 at (358.4, 268.8)"}},
        {"the last locked", 3, 2,
         {"R0CampaignRegionButton 665.6 x 201.6 at (358.4, 470.4)", "R1CampaignRegionButton 665.6 x 201.6 at (358.4, 182.4)",
          "missing"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<CampaignRegion> regions(c.regionCount);
        for (size_t i = 0; i < regions.size(); ++i) {
            const std::string name = "R" + std::to_string(i);
            regions[i].SetName(name);
            regions[i].SetImagePath(CAMPAIGN_REGION_IMAGE_UNLOCKED, name + "_Unlocked.png");
            regions[i].SetImagePath(CAMPAIGN_REGION_IMAGE_LOCKED, name + "_Locked.png");
            regions[i].SetImagePath(CAMPAIGN_REGION_IMAGE_HIGHLIGHTED, name + "_Highlighted.png");
            if (static_cast<int>(i) == c.lockedRegion) {
                regions[i].SetNodeNames({"Locked"});
                regions[i].ResolveNodes(nodes);
            }
        }
        env.ui.CreateCampaignWindow(regions);
        const int window = Window(GAME_WINDOW_CAMPAIGN);
        for (size_t i = 0; i < c.buttons.size(); ++i) {
            SCOPED_TRACE(i);
            const BaseWidget* button = Child(window, "R" + std::to_string(i) + "CampaignRegionButton");
            EXPECT_EQ(Layout(button), c.buttons[i]);
            if (button == nullptr) {
                continue;
            }
            const bool isStarted = static_cast<int>(i) != c.lockedRegion;
            EXPECT_EQ(button->GetProperty<bool>("Enabled"), isStarted);
            const Texture* picture = regions[i].GetTexture(isStarted ? CAMPAIGN_REGION_IMAGE_UNLOCKED
                                                                     : CAMPAIGN_REGION_IMAGE_LOCKED);
            EXPECT_NE(picture, nullptr);
            EXPECT_EQ(button->GetProperty<Texture*>("BaseTexture"), picture);
            Texture* focused = nullptr;
            button->GetStateProperties(UI_STATE_FOCUSED).Get("BaseTexture", focused);
            EXPECT_EQ(focused, regions[i].GetTexture(CAMPAIGN_REGION_IMAGE_HIGHLIGHTED));
        }
    }
    EXPECT_EQ(WindowLayout(GAME_WINDOW_CAMPAIGN), "CampaignWindow 1024.0 x 768.0 at (0.0, 0.0)");
    const int window = Window(GAME_WINDOW_CAMPAIGN);
    EXPECT_EQ(Layout(Child(window, "RegionTitleLabel")), "RegionTitleLabel 614.4 x 40.0 at (409.6, 40.0)");
    const std::pair<const char*, float> corner[] = {
        {"CampaignWindowBackButton", 20.0f}, {"CampaignResetButton", 65.0f}, {"AchievementsButton", 155.0f}};
    for (const auto& [name, y] : corner) {
        EXPECT_EQ(Child(window, name)->GetProperty<Vector2>("Offset"), Vector2(20.0f, y)) << name;
    }
}

// A required location at the centre of the map, in each player state: the
// look is chosen from the state before the build, which then records a
// newly reached state as seen.
TEST_F(CampaignScreensTest, ALocationOnTheRegionMapLooksItsStateAndSitsOnItsMapPoint)
{
    StartChef();
    CampaignNode& node = AddNode("Cove");
    Attach();
    node.SetMapCoords(Vector2(0.5f, 0.5f));
    CampaignRegion region;
    region.SetName("Ocean");
    region.SetNodeNames({"Cove"});
    region.ResolveNodes(nodes);
    const Rgba grey(170, 170, 170, 200), yellow(255, 255, 0, 255), white(255, 255, 255, 255);
    const Rgba shade(0, 0, 0, 180), darkGrey(60, 60, 60, 180);
    const char* const lockedImage = "Images/UI/Button_Grey.png";
    const char* const lock = "Images/UI/Lock.png";
    const char* const open = "Images/UI/SquareButton_Orange_Default.png";
    const char* const openFocused = "Images/UI/SquareButton_Orange_Hilite.png";
    const char* const satisfied = "Images/UI/Satisfied_Default.png";
    const char* const satisfiedFocused = "Images/UI/Satisfied_Hilite.png";
    const char* const completed = "Images/UI/Completed_Default.png";
    const char* const completedFocused = "Images/UI/Completed_Hilite.png";
    const struct {
        int state;
        const char* image;
        const char* focusedImage;
        const char* overlay;
        bool isEnabled;
        Rgba font;
        Rgba background;
        int stateAfter;
    } cases[] = {
        {0, lockedImage, lockedImage, lock, false, grey, darkGrey, 0},
        {1, lockedImage, lockedImage, lock, false, grey, darkGrey, 2},
        {2, lockedImage, lockedImage, lock, false, grey, darkGrey, 2},
        {3, open, openFocused, "", true, yellow, shade, 4},
        {4, open, openFocused, "", true, yellow, shade, 4},
        {5, open, openFocused, "", true, yellow, shade, 6},
        {6, open, openFocused, "", true, yellow, shade, 6},
        {7, satisfied, satisfiedFocused, "", true, white, shade, 8},
        {8, satisfied, satisfiedFocused, "", true, white, shade, 8},
        {9, completed, completedFocused, "", true, white, shade, 10},
        {10, completed, completedFocused, "", true, white, shade, 10},
        {11, "", "", "", true, white, shade, 11},
    };
    const auto texture = [this](const char* image) { return env.ui.GetPreloadedTexture(image); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        node.GetPuzzleSet()->SetPlayerState(c.state);
        env.ui.CreateCampaignRegion(&region);
        const int window = Window(GAME_WINDOW_CAMPAIGN_REGION);
        const BaseWidget* button = Child(window, "CoveCampaignNodeButton");
        const BaseWidget* label = Child(window, "CoveCampaignNodeLabel");
        ASSERT_NE(button, nullptr);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(Layout(button), "CoveCampaignNodeButton 35.0 x 35.0 at (494.5, 366.5)");
        EXPECT_EQ(Layout(label), "CoveCampaignNodeLabel 150.0 x 28.0 at (509.5, 370.5)");
        EXPECT_EQ(button->GetProperty<bool>("Enabled"), c.isEnabled);
        EXPECT_EQ(button->GetProperty<Texture*>("BaseTexture"), texture(c.image));
        EXPECT_EQ(button->GetProperty<Texture*>("OverlayTexture"), texture(c.overlay));
        Texture* focused = nullptr;
        button->GetStateProperties(UI_STATE_FOCUSED).Get("BaseTexture", focused);
        EXPECT_EQ(focused, texture(c.focusedImage));
        EXPECT_EQ(label->GetProperty<Rgba>("FontColor"), c.font);
        EXPECT_EQ(label->GetProperty<Rgba>("BaseColor"), c.background);
        EXPECT_EQ(node.GetPlayerState(), c.stateAfter);
    }
    EXPECT_NE(texture(open), nullptr);
    EXPECT_NE(texture(lock), nullptr);
    const int window = Window(GAME_WINDOW_CAMPAIGN_REGION);
    EXPECT_EQ(WindowLayout(GAME_WINDOW_CAMPAIGN_REGION), "CampaignRegionWindow 1024.0 x 768.0 at (0.0, 0.0)");
    EXPECT_EQ(Layout(Child(window, "RegionTitleLabel")), "RegionTitleLabel 512.0 x 50.0 at (256.0, 0.0)");
    EXPECT_EQ(Child(window, "CampaignRegionWindowBackButton")->GetProperty<Vector2>("Offset"), Vector2(20.0f, 20.0f));
    EXPECT_EQ(Child(window, "CampaignRegionResetButton")->GetProperty<Vector2>("Offset"), Vector2(20.0f, 65.0f));
}

// Until the location is satisfied it shows its homework; from then on the
// three difficulty strips.
TEST_F(CampaignScreensTest, ALocationShowsItsHomeworkUntilSatisfiedThenItsThreeStrips)
{
    StartChef(66);
    CampaignNode& node = AddBookNode("Deep");
    Attach();
    for (int state = 0; state <= 10; ++state) {
        SCOPED_TRACE(state);
        node.GetPuzzleSet()->SetPlayerState(state);
        env.ui.CreateCampaignNodeWindow(&node);
        const int window = Window(GAME_WINDOW_PUZZLE_SET);
        const bool isSatisfied = state >= CAMPAIGN_NODE_SATISFIED;
        EXPECT_EQ(Child(window, "HomeworkPuzzlesGroup") != nullptr, !isSatisfied);
        EXPECT_EQ(Child(window, "PlayPuzzle") != nullptr, !isSatisfied) << "the challenge";
        for (const char* group : {"EasyPuzzlesGroup", "MediumPuzzlesGroup", "HardPuzzlesGroup"}) {
            EXPECT_EQ(Child(window, group) != nullptr, isSatisfied) << group;
        }
    }

    const int window = Window(GAME_WINDOW_PUZZLE_SET);
    EXPECT_EQ(WindowLayout(GAME_WINDOW_PUZZLE_SET), "PuzzleSetWindow 1024.0 x 768.0 at (0.0, 0.0)");
    EXPECT_EQ(Layout(Child(window, "NodeTitleLabel")), "NodeTitleLabel 512.0 x 50.0 at (256.0, 0.0)");
    EXPECT_EQ(Child(window, "CampaignNodeBackButton")->GetProperty<Vector2>("Offset"), Vector2(20.0f, 20.0f));
    EXPECT_EQ(Child(window, "CampaignNodeResetButton")->GetProperty<Vector2>("Offset"), Vector2(20.0f, 65.0f));
    const struct {
        const char* name;
        int windowId;
        const char* layout;
    } strips[] = {
        {"Easy", GAME_WINDOW_EASY_PUZZLES, "EasyPuzzlesGroup 1024.0 x 140.0 at (0.0, 110.0)"},
        {"Medium", GAME_WINDOW_MEDIUM_PUZZLES, "MediumPuzzlesGroup 1024.0 x 140.0 at (0.0, 280.0)"},
        {"Hard", GAME_WINDOW_HARD_PUZZLES, "HardPuzzlesGroup 1024.0 x 140.0 at (0.0, 450.0)"},
    };
    for (const auto& strip : strips) {
        SCOPED_TRACE(strip.name);
        const std::string name = strip.name;
        EXPECT_EQ(WindowLayout(strip.windowId), strip.layout);
        const int group = Window(strip.windowId);
        EXPECT_EQ(Layout(Child(group, name + "PuzzlesLabel")), name + "PuzzlesLabel 1024.0 x 140.0 at (0.0, 0.0)");
        const BaseWidget* previous = Child(group, "PrevPageButton");
        const BaseWidget* next = Child(group, "NextPageButton");
        EXPECT_EQ(Layout(previous), "PrevPageButton 50.0 x 50.0 at (20.0, 50.0)");
        EXPECT_EQ(Layout(next), "NextPageButton 50.0 x 50.0 at (954.0, 50.0)");
        EXPECT_EQ(previous->GetProperty<std::string>("OnActivationEventName"),
                  "SatisfiedCampaignNodePrev" + name + "PageEvent");
        EXPECT_EQ(next->GetProperty<std::string>("OnActivationEventName"), "SatisfiedCampaignNodeNext" + name + "PageEvent");
        EXPECT_EQ(next->GetProperty<int>("OnActivationEventNameProperty"), 1);
        const std::vector<BaseWidget*> thumbnails = screen_test::Children(group, "PlayPuzzle");
        ASSERT_EQ(thumbnails.size(), 8u);
        EXPECT_EQ(Layout(thumbnails[0]), "PlayPuzzle 80.0 x 80.0 at (100.0, 50.0)");
        EXPECT_EQ(Layout(thumbnails[7]), "PlayPuzzle 80.0 x 80.0 at (835.0, 50.0)");
    }
}

// Six homework puzzles fill the first row, each column lower than the one
// before; their marks follow their progress. On 1024 x 768 the cell is
// 116.2 wide and each column 41.5 lower.
TEST_F(CampaignScreensTest, HomeworkThumbnailsStaggerAlongTheRowAndMarkTheirProgress)
{
    StartChef();
    CampaignNode& node = AddNode("Shore", {}, {}, false, 6);
    Attach();
    for (size_t i = 0; i < 6; ++i) {
        Solve(node, i, static_cast<int>(i));
    }
    env.ui.CreateCampaignNodeWindow(&node);
    const BaseWidget* group = Child(Window(GAME_WINDOW_PUZZLE_SET), "HomeworkPuzzlesGroup");
    EXPECT_EQ(Layout(group), "HomeworkPuzzlesGroup 697.3 x 480.0 at (20.0, 264.0)");
    Texture* const question = env.ui.GetPreloadedTexture("Images/UI/QuestionMark.png");
    Texture* const check = env.ui.GetPreloadedTexture(UI_IMAGE_CHECK_MARK);
    ASSERT_NE(question, nullptr);
    ASSERT_NE(check, nullptr);
    const struct {
        const char* thumbnail;
        const char* caption;
        Texture* mark;
    } cases[] = {
        {"PlayPuzzle 116.2 x 116.2 at (0.0, 0.0)", "#1Label 116.2 x 14.0 at (0.0, -14.0)", question},
        {"PlayPuzzle 116.2 x 116.2 at (116.2, 41.5)", "#2Label 116.2 x 14.0 at (116.2, 27.5)", nullptr},
        {"PlayPuzzle 116.2 x 116.2 at (232.4, 83.0)", "#3Label 116.2 x 14.0 at (232.4, 69.0)", nullptr},
        {"PlayPuzzle 116.2 x 116.2 at (348.6, 124.5)", "#4Label 116.2 x 14.0 at (348.6, 110.5)", check},
        {"PlayPuzzle 116.2 x 116.2 at (464.9, 166.1)", "#5Label 116.2 x 14.0 at (464.9, 152.1)", check},
        {"PlayPuzzle 116.2 x 116.2 at (581.1, 207.6)", "#6Label 116.2 x 14.0 at (581.1, 193.6)", check},
    };
    const std::vector<BaseWidget*> thumbnails = screen_test::Children(group->GetHandle(), "PlayPuzzle");
    ASSERT_EQ(thumbnails.size(), std::size(cases));
    for (size_t i = 0; i < thumbnails.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Layout(thumbnails[i]), cases[i].thumbnail);
        EXPECT_EQ(Layout(Child(group->GetHandle(), "#" + std::to_string(i + 1) + "Label")), cases[i].caption);
        EXPECT_EQ(thumbnails[i]->GetProperty<Texture*>("OverlayTexture"), cases[i].mark);
        EXPECT_EQ(thumbnails[i]->GetProperty<Puzzle*>("OnActivationEventNameProperty"),
                  node.GetPuzzleSet()->GetPuzzles()[i].get());
    }
    EXPECT_EQ(Stringf("%.1f %.1f", env.ui.GetFirstHomeworkLocation().x, env.ui.GetFirstHomeworkLocation().y),
              "78.1 264.0");
}

// The default renderer while it lives: keeps the board of every thumbnail
// drawing asked of it.
class ThumbnailRequests : public testsupport::RecordingDrawCalls {
public:
    void EnqueueDynamicTextureUpdateRequest(Texture*, const AABB2&, const std::string& eventName,
                                            const NamedProperties* passBack) override
    {
        Board* board = nullptr;
        if (eventName == "RenderBoardThumbnailToTexture" && passBack != nullptr &&
            passBack->Get("Board", board) == PROPERTY_FETCH_OK) {
            boards.push_back(board);
        }
    }
    std::vector<Board*> boards;
};

// The location is rebuilt when the player leaves a puzzle: a thumbnail drawn
// before the play must be drawn again, or the button shows the old board.
// Boards never drawn wait until they are shown.
TEST_F(CampaignScreensTest, RebuildingALocationRedrawsTheThumbnailsItsBoardsAlreadyHave)
{
    ThumbnailRequests renderer;
    StartChef();
    CampaignNode& node = AddNode("Shore");
    Attach();
    env.ui.CreateCampaignNodeWindow(&node);
    std::vector<Board*> drawn;
    for (const std::unique_ptr<Board>& board : node.GetPuzzleSet()->GetPuzzles()[1]->GetBoards()) {
        board->GetProgress()->RenderThumbnail(*board);
        drawn.push_back(board.get());
    }
    ASSERT_FALSE(drawn.empty());
    renderer.boards.clear();

    env.ui.CreateCampaignNodeWindow(&node);
    EXPECT_EQ(renderer.boards, drawn);
}

// Twelve homework puzzles take two rows, the second a cell and a gap lower;
// the challenge square stands right, its bottom on the homework's.
TEST_F(CampaignScreensTest, TwelveHomeworkPuzzlesWrapToASecondRowBesideTheChallenge)
{
    StartChef(66);
    CampaignNode& node = AddBookNode("Deep");
    Attach();
    env.ui.CreateCampaignNodeWindow(&node);
    const int window = Window(GAME_WINDOW_PUZZLE_SET);
    const int group = Child(window, "HomeworkPuzzlesGroup")->GetHandle();
    const std::vector<BaseWidget*> thumbnails = screen_test::Children(group, "PlayPuzzle");
    ASSERT_EQ(thumbnails.size(), 12u);
    EXPECT_EQ(Layout(thumbnails[0]), "PlayPuzzle 116.2 x 116.2 at (0.0, 0.0)");
    EXPECT_EQ(Layout(thumbnails[6]), "PlayPuzzle 116.2 x 116.2 at (0.0, 156.2)");
    EXPECT_EQ(Layout(thumbnails[11]), "PlayPuzzle 116.2 x 116.2 at (581.1, 363.8)");
    const BaseWidget* challenge = Child(window, "PlayPuzzle");
    EXPECT_EQ(Layout(challenge), "PlayPuzzle 286.7 x 286.7 at (717.3, 457.3)");
    EXPECT_EQ(challenge->GetProperty<Puzzle*>("OnActivationEventNameProperty"), node.GetPuzzleSet()->GetUnlockPuzzle());
    EXPECT_NE(Child(window, "Challenge PuzzleLabel"), nullptr);
}

// Locations without puzzle sets: the route reads only names, flags and map
// positions.
TEST(CampaignRouteTest, FollowsFirstConnectionsAndEndsWhereTheMapDoes)
{
    const struct {
        const char* name;
        std::vector<std::vector<std::string>> connections; // of A, B, C, D
        std::vector<std::string> route;
    } cases[] = {
        {"chain", {{"B"}, {"C"}, {}, {}}, {"A", "B"}},
        {"cycle", {{"B"}, {"C"}, {"A"}, {}}, {}},
        {"cycle after a start", {{"B"}, {"C"}, {"B"}, {}}, {"A", "B", "C"}},
        {"into another region", {{"B"}, {"X"}, {}, {}}, {"A"}},
        {"optional is never a stop", {{"D"}, {}, {}, {}}, {}},
        {"no links", {{}, {}, {}, {}}, {}},
    };
    for (const auto& c : cases) {
        std::vector<CampaignNode> nodes(4);
        const char* names[] = {"A", "B", "C", "D"};
        for (size_t i = 0; i < nodes.size(); ++i) {
            nodes[i].SetName(names[i]);
            nodes[i].SetOptional(i == 3);
            nodes[i].SetConnections(c.connections[i]);
        }
        CampaignRegion region;
        region.SetNodeNames({"A", "B", "C", "D"});
        region.ResolveNodes(nodes);
        std::vector<std::string> route;
        for (const CampaignNode* node : BuildCampaignRoute(
                 region, [&nodes](const std::string& name) { return Campaign::FindNodeByName(nodes, name); })) {
            route.push_back(node->GetName());
        }
        EXPECT_EQ(route, c.route) << c.name;
    }
}

TEST(CampaignRouteTest, TwentySamplesASegmentStoppingShortOfTheLastLocation)
{
    const std::vector<Vector2> points = {Vector2(0, 0), Vector2(100, 0), Vector2(100, 100)};
    const std::vector<Vector2> samples = SampleCampaignRoute(points);
    ASSERT_EQ(samples.size(), 40u);
    EXPECT_EQ(samples[0], points[0]);
    EXPECT_EQ(samples[20], points[1]);
    EXPECT_LT(samples.back().y, 100.0f);
    EXPECT_TRUE(SampleCampaignRoute({Vector2(5, 5)}).empty());
}

} // namespace
} // namespace campaign_test
