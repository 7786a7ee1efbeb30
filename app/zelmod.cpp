#include "zelmod.h"

#include "platform.h"
#include "zelmain.h"

std::unique_ptr<ZelMain> LoadWindow(Platform &platform, const ElementData *loaded)
{
    auto window = std::make_unique<ZelMain>(platform);
    const QString error = window->Form_Load(loaded);
    if (!error.isEmpty()) {
        platform.showStartupError(error);
        return nullptr;
    }
    return window;
}

std::unique_ptr<ZelMain> StartUp(Platform &platform, const ElementData *loaded)
{
    auto window = LoadWindow(platform, loaded);
    if (window) window->finishStartUp();
    return window;
}
