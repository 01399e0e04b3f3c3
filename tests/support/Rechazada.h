#pragma once

#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"

namespace testsupport {

// Whether the rules refused what `accion` did: a rule refuses by throwing
// ds::SilentAbort after telling the user why. Any other error gets through.
template<typename Accion>
bool rechazada(Accion accion)
{
    try {
        accion();
    } catch (const ds::SilentAbort &) {
        return true;
    }
    return false;
}

// The text of the error that keeps the current row from being posted;
// empty when it was posted.
inline QString errorAlGuardar(ds::RecordSet &datos)
{
    try {
        datos.post();
    } catch (const ds::DatasetError &e) {
        return e.text();
    }
    return {};
}

} // namespace testsupport
