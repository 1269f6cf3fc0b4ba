// Building the wizard window with the elements of all seven pages.
#pragma once
#include <string>

// Opens the window (owned by the background window when there is one) and
// creates every element; ends through the cleanup exit when the window
// cannot be made.
void wizard_window_build();

// Fills the fields: texts, install path, space texts, group list, the
// hidden Finish button and the opt-out box.
void wizard_window_fill();

// Element 155 and 156 for the drive of the install path.
void space_texts_update();

// The group field for the list's choice: the all-users Programs folder,
// the chosen sub-folder (none for the empty first item) and AppName.
void group_field_set(const std::string& sub_folder);
