#include "zelmod.h"

#include "fonts.h"
#include "platform.h"
#include "zelmain.h"

#include <QApplication>

std::unique_ptr<ZelMain> LoadWindow(Platform &platform, const ElementData *loaded)
{
    // Tooltips, dialogs and anything else without a font of its own use the
    // carried sans face, 8.25 points at 96 dots per inch.
    QApplication::setFont(Fonts::font(QStringLiteral("Arial"), 11));
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
