#pragma once
// The toolkit's own texts (the save dialog's buttons and captions) in the user's language.

class QCoreApplication;

namespace strs {

// Loads Qt's translation for the active locale, when one is installed. The translator is
// owned by the application.
void InstallToolkitTranslations(QCoreApplication& app);

}  // namespace strs
