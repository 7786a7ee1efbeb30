#include "zelmod.h"

#include "platform.h"
#include "zelmain.h"

std::unique_ptr<ZelMain> StartUp(Platform &platform)
{
    auto window = std::make_unique<ZelMain>(platform);
    const QString error = window->Form_Load();
    if (!error.isEmpty()) {
        platform.showStartupError(error);
        return nullptr;
    }
    window->finishStartUp();
    return window;
}
