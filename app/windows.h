// The program's windows, created once at start-up in a fixed order (app/program.h).
// Windows reach each other through AppWindows(); every pointer is null before the
// start-up and after the shut-down. Forward declarations only: include the header of
// the window you use.
#pragma once

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TOKBottomDlg;
class TOKBottomDlg1;
class TOKBottomDlg2;
class TOKBottomDlg3;
class TOKRightDlg;
class Tsatmemo;

struct Windows {
    TForm1* form1 = nullptr;                // main chart
    TForm2* form2 = nullptr;                // zoom
    TForm3* form3 = nullptr;                // named-star list
    TForm4* form4 = nullptr;                // world map
    TForm5* form5 = nullptr;                // Germany map
    TForm6* form6 = nullptr;                // new place
    TOKBottomDlg* okBottomDlg = nullptr;    // go to right ascension / declination
    TOKBottomDlg1* okBottomDlg1 = nullptr;  // go to azimuth / altitude
    TForm8* form8 = nullptr;                // satellite selection
    Tsatmemo* satmemo = nullptr;            // satellite information
    TOKBottomDlg2* okBottomDlg2 = nullptr;  // pass prediction dialog
    TForm9* form9 = nullptr;                // pass list
    TForm7* form7 = nullptr;                // place list
    TOKBottomDlg3* okBottomDlg3 = nullptr;  // observer parameters
    TForm10* form10 = nullptr;              // ground tracks
    TForm11* form11 = nullptr;              // empty window
    TOKRightDlg* okRightDlg = nullptr;      // orbit-class lists
};

// The windows of the process.
Windows& AppWindows();
