// The system's error numbers (errno) in German, for the messages the user reads: the
// common ones of files and folders in German words with the system's English text in
// brackets ("Kein Platz mehr auf dem Datenträger (No space left on device)"), any
// other as "Systemfehler N (the system's text)".
#pragma once

#include <string>

std::string SystemErrorText(int error);
