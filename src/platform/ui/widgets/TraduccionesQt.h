#pragma once

namespace ui {

// Makes Spanish (Spain) the default locale, so dates, numbers and the clock
// read the way Spanish office staff expect whatever the machine's locale, and
// loads Qt's own Spanish texts (standard buttons such as "Sí" and "No", the
// file and print dialogs, the context menus of edit boxes) from the
// translations installed with Qt. Call once the application object exists.
// Returns false when the texts are not installed; Qt then speaks English.
bool cargarTraduccionesQt();

} // namespace ui
