#pragma once
// Setup's longer messages, as the dialogs receive them (lines joined with "\n\r").

#include <string>

namespace plevo::test {

inline const std::string kSetupTerms =
    "Terms and conditions:\n\rBy selecting the Yes button, you agree to the terms and conditions "
    "listed below!\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\rNo responsibility will be accepted for any loss "
    "you may incur whatsoever.\n\rIt is your responsibility to make secure copies of the backup "
    "files, created by this program.\n\rSelect Yes or No to accept the terms listed above?";
inline const std::string kSetupCopied =
    "Your files have been copied and \n\ra Program shortcut has been created for you.\n\r Or go "
    "to Start \\ Programs \\ Plevo Trial.exe";
inline const std::string kSetupStarts =
    "Should you ever want to Uninstall this Program?\n\rRun this program again and press the "
    "UNINSTALL button!\n\rThe Uninstall button is only available after installation.\n\rThank "
    "you for using this program. I wish you every success!\n\rPlevo will now start up";

// What Setup says when it finds an installation; setupFile is the installer's own file name.
inline std::string reinstallMessage(const std::string& setupFile) {
    return "If you are installing this program because the previous installation failed, then "
           "please\n\rselect the UnInstall button and remove the previous setup. Then start this "
           "program again by\n\rrunning " +
           setupFile + ". Sorry for any inconvenience.";
}

inline std::string installQuestion(const std::string& folder) {
    return "Install Plevo to: " + folder +
           "\n\rSelect Yes to Accept\n\rSelect No to Change Directory";
}

}  // namespace plevo::test
