// Fixed ids of the wizard window's elements, by which the install driver
// and the tests address them.
#pragma once

enum {
    kElCancel = 0,
    kElNext = 1,
    kElPrevious = 2,
    kElBottomLine = 3,
    kElWebLink = 4,
    kElFinish = 5,
    // welcome page
    kElWelcomePage = 10,
    kElWelcomeImage = 11,
    kElWelcomePanel = 12,
    kElWelcomeHeading = 13,
    kElWelcomeBottom = 14,
    kElWelcomeMiddle = 15,
    // license page
    kElLicensePage = 50,
    kElLicenseHeader = 51,
    kElAgreement = 52,
    kElLicenseText = 53,
    kElLicenseLine = 54,
    // read-me page
    kElReadmePage = 100,
    kElReadmeHeader = 101,
    kElReadmeText = 102,
    kElReadmeLine = 103,
    // destination page
    kElDestinationPage = 150,
    kElDestinationHeader = 151,
    kElDestinationFrame = 152,
    kElInstallPath = 153,
    kElBrowse = 154,
    kElFreeSpace = 155,
    kElRequiredSpace = 156,
    kElDestinationIcon = 157,
    kElDestinationLine = 158,
    // group page
    kElGroupPage = 200,
    kElGroupHeader = 201,
    kElGroupIcon = 202,
    kElGroupText = 203,
    kElGroupField = 204,
    kElGroupOptOut = 205,
    kElGroupList = 206,
    kElGroupLine = 207,
    // installation page
    kElInstallPage = 250,
    kElInstallHeader = 251,
    kElInstallText = 252,
    kElCurrentAction = 253,
    kElProgress = 254,
    kElTimeText = 255,
    kElInstallLine = 256,
    // finish page
    kElFinishPage = 300,
    kElFinishHeading = 301,
    kElFinishBottom = 302,
    kElFinishTree = 303,
    kElFinishImage = 304,
    kElFinishPanel = 305,
    kElementCount = 306,
};
