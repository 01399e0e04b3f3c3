#include "Intentar.h"

#include "platform/dataset/DatasetErrors.h"
#include "platform/firebird/FbError.h"
#include "platform/ui/Dialogs.h"

namespace fw {

bool intentar(const std::function<void()> &orden)
{
    try {
        orden();
        return true;
    } catch (const ds::SilentAbort &) {
    } catch (const ds::DatasetError &e) {
        ui::showError(e.text());
    } catch (const fb::Error &e) {
        ui::showError(e.text());
    } catch (const std::exception &e) {
        ui::showError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace fw
