#include "game/shell/GameEntry.h"

#include <exception>
#include <memory>

#include "engine/core/CommandLine.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoException.h"
#include "engine/modules/application/UlvoApplicationSetup.h"
#include "game/shell/TheGame.h"

namespace Pemberquill {

int RunWithFatalErrorBox(const std::function<void()>& body)
{
    try {
        body();
        return 0;
    } catch (const UlvoException& error) {
        UlvoShowFatalErrorDialog(error.GetMessage(), error.GetTitle(), error.GetFile(),
                                 error.GetLine());
    } catch (const std::exception& error) {
        UlvoShowFatalErrorDialog(error.what(), "Unhandled standard exception", nullptr, 0);
    } catch (...) {
        UlvoShowFatalErrorDialog("An unknown exception has occurred.", "Unhandled exception",
                                 nullptr, 0);
    }
    return 1;
}

int RunPemberquill(int argc, const char* const* argv)
{
    // Held outside the handler so that a failed start is shown and logged
    // while the half-started game still stands: what its parts say on their
    // way out (deleted without Shutdown) then follows the cause.
    std::unique_ptr<TheGame> game;
    bool isRefused = false;
    const int status = RunWithFatalErrorBox([argc, argv, &game, &isRefused]() {
        UlvoApplicationSetup(CommandLine::JoinArguments(argc, argv));
        game = std::make_unique<TheGame>();
        isRefused = !game->Startup();
        if (isRefused) {
            return;
        }
        game->Run();
        game->Shutdown();
        game.reset();
    });
    game.reset();
    return isRefused ? 1 : status;
}

}  // namespace Pemberquill
