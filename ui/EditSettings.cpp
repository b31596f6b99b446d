#include "ui/EditSettings.h"

#include "core/GeneratorModel.h"

void editSettings(GeneratorModel &model, const std::function<void(Settings &)> &change)
{
    Settings settings = model.settings();
    change(settings);
    model.setSettings(settings);
}
