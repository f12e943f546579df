#pragma once
// How assistive tools read the controls of these windows that the toolkit
// would take for plain labels: a check mark reads as a check box (checked
// or not, toggled by its action), a picture button of these windows reads
// as a push button named by its command word.

namespace rp {

// A clickable label with this property set reads as a push button.
inline constexpr const char* PushButtonRole = "rpPushButton";

// Once per program; later calls do nothing.
void installWindowAccessibility();

}  // namespace rp
