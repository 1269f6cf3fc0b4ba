// Which page Next and Previous lead to, and which buttons each page
// offers. Pages: 0 welcome, 1 license, 2 read-me, 3 destination, 4 group,
// 5 installation, 6 finish.
#pragma once

enum {
    kPageWelcome = 0,
    kPageLicense = 1,
    kPageReadme = 2,
    kPageDestination = 3,
    kPageGroup = 4,
    kPageInstallation = 5,
    kPageFinish = 6,
    kPageCount = 7,
};

// Results of Next besides a page number.
enum {
    kNextStay = -1,           // no move (a page Next does not leave)
    kNextInstall = -2,        // run the installation, then the finish page
    kNextWarnEmptyPath = -3,  // empty install path while the group page follows
};

struct WizardFlow {
    bool license;      // RequireLicense is "1"
    bool readme;       // RequireReadme is "1"
    bool create_group; // AutoCreateStartMenu is 1
    bool path_empty;   // the install path field is empty
};

int nav_next(int page, const WizardFlow& flow);
// The page before; the page itself when Previous does not move.
int nav_previous(int page, const WizardFlow& flow);

// Button states a page switch sets. A member set to -1 is left as it is.
struct PageButtons {
    int next_enabled;      // 1/0, or -1 for unchanged
    int previous_enabled;  // 1/0, or -1 for unchanged
    bool finish_page;      // Cancel, Next, Previous hidden; Finish shown
};

// agreement_ticked: the state of the license page's agreement box.
PageButtons page_buttons(int page, bool agreement_ticked);

// Id of a page's container element.
int page_container_id(int page);
