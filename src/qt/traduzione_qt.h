#pragma once
// Qt's own Italian texts, for the dialogs Qt draws itself (print, page setup, standard buttons).
class QCoreApplication;

namespace quadrivo {

// Installs Debian's qtbase_it translation on the application; false when it is not installed
// (the standard dialogs then speak English, everything else is unchanged).
bool caricaTraduzioneQt(QCoreApplication& app);

}  // namespace quadrivo
