#include "zelmod.h"

#include "fonts.h"
#include "platform.h"
#include "tablejob.h"
#include "zelmain.h"

#include <QApplication>

namespace {

std::unique_ptr<ZelMain> loadWindow(Platform &platform, const ElementData *loaded,
                                    std::unique_ptr<TableJob> drawing)
{
    // Tooltips, dialogs and anything else without a font of its own use the
    // carried sans face, 8.25 points at 96 dots per inch.
    QApplication::setFont(Fonts::font(QStringLiteral("Arial"), 11));
    auto window = std::make_unique<ZelMain>(platform, loaded, std::move(drawing));
    const QString error = window->Form_Load(loaded);
    if (!error.isEmpty()) {
        platform.showStartupError(error);
        return nullptr;
    }
    return window;
}

} // namespace

std::unique_ptr<ZelMain> LoadWindow(Platform &platform, const ElementData *loaded)
{
    return loadWindow(platform, loaded, nullptr);
}

std::unique_ptr<ZelMain> LoadWindow(Platform &platform, const ElementData &loaded,
                                    std::unique_ptr<TableJob> drawing)
{
    return loadWindow(platform, &loaded, std::move(drawing));
}

std::unique_ptr<ZelMain> StartUp(Platform &platform)
{
    auto window = LoadWindow(platform);
    if (window) window->finishStartUp();
    return window;
}
