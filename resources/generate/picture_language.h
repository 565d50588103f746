#pragma once
// The language of the texts drawn into a picture: the window shows the pictures of its
// own language (the English ones are stored with the suffix "_en").

namespace strs::pictures {

enum class PictureLanguage { Russian, English };

}  // namespace strs::pictures
