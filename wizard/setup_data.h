// Loading the texts and images of the setup data into memory, after which
// the extracted setup data is deleted.
#pragma once

// Read-me and license texts when the script asks for them (messages 34 to
// 37 on failure).
void setup_texts_load();

// The side image (message 38), the header image (message 39) and the five
// header copies with their titles drawn on them.
void setup_images_load();

// Deletes the working folder's "Information\" with everything in it.
void setup_data_delete();
