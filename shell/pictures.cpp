#include "shell/pictures.h"

#include <QtGlobal>

// Must stand outside any namespace.
static void registerPictureResource()
{
    Q_INIT_RESOURCE(pictures);
}

namespace strs {

void RegisterPictures()
{
    static const bool registered = (registerPictureResource(), true);
    (void)registered;
}

}  // namespace strs
