#include "wizard/navigation.h"

int nav_next(int page, const WizardFlow& flow) {
    switch (page) {
        case kPageWelcome:
            if (flow.license) return kPageLicense;
            return flow.readme ? kPageReadme : kPageDestination;
        case kPageLicense:
            return flow.readme ? kPageReadme : kPageDestination;
        case kPageReadme:
            return kPageDestination;
        case kPageDestination:
            if (!flow.create_group) return kNextInstall;
            return flow.path_empty ? (int)kNextWarnEmptyPath : (int)kPageGroup;
        case kPageGroup:
            return kNextInstall;
        default:
            return kNextStay;
    }
}

int nav_previous(int page, const WizardFlow& flow) {
    switch (page) {
        case kPageLicense:
            return kPageWelcome;
        case kPageReadme:
            return flow.license ? kPageLicense : kPageWelcome;
        case kPageDestination:
            if (flow.readme) return kPageReadme;
            return flow.license ? kPageLicense : kPageWelcome;
        case kPageGroup:
            return kPageDestination;
        default:
            return page;
    }
}

PageButtons page_buttons(int page, bool agreement_ticked) {
    PageButtons b = {-1, 1, false};
    if (page == kPageWelcome) {
        b.next_enabled = 1;
        b.previous_enabled = 0;
    } else if (page == kPageLicense) {
        b.next_enabled = agreement_ticked ? 1 : 0;
    } else if (page == kPageFinish) {
        b.previous_enabled = -1;
        b.finish_page = true;
    }
    return b;
}

int page_container_id(int page) {
    return page == 0 ? 10 : page * 50;
}
