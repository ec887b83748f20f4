#pragma once

namespace velmoor {

// Marks that the user registered an account through the access page: key "reg" = "1" in
// section "account" of "data.dat" in the per-user data folder. False when that folder cannot be
// determined or the file cannot be written.
bool RecordRegistration();

}  // namespace velmoor
