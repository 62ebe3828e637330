// The pass search: for every selected satellite and every night window (or one window
// of a given number of minutes) the moments at which the satellite stands above a
// minimum altitude, sunlit, in a dark enough sky and brighter than a limiting
// magnitude. Near-circular satellites of short period go through the orbit-plane
// method (the moments the satellite passes the foot point of the observer on its
// orbital plane, observed only when the observer is close enough to the plane); all
// others through a culmination scan.
//
// Element sets that cannot be searched (unreadable, a mean motion that is no Earth
// orbit, decay within the window) are left out and named in PassSearchResult::skipped;
// an orbit that fails at an instant gives no pass there. Every satellite's work is
// bounded by a fixed amount per day of window.
//
// The engine is plain C++ and runs on worker threads from a snapshot
// (pass_search_run.h). PassSearch here is the synchronous way to run it (the command
// line): the caller fills PassSearchParameters and implements PassSearchListener to
// show captions, headings and lines, to let pending input through, and to request an
// abort with RequestPassSearchAbort(). The windows run it in its parts instead
// (BeginPassSearch, RunPassSearch on a worker thread, FinishPassSearch). The list is
// kept in PassList().
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/timescale.h"
#include "prediction/night_window.h"
#include "prediction/pass_lines.h"
#include "prediction/pass_list.h"
#include "prediction/pass_list_file.h"
#include "prediction/pass_search_parameters.h"
#include "prediction/pass_search_run.h"

// Where the search stands; the window that shows it turns this into its caption.
struct PassSearchProgress {
    enum class Stage {
        Started,    // the search begins at the observer's place
        Computing,  // percent of satellites × nights done
        Sorting,    // the passes are put in time order
        Ordering,   // percent of the sorted list made
        Listing,    // percent of the list written into the window
        Done,       // passCount passes listed
    };
    Stage stage = Stage::Started;
    int percent = 0;
    int passCount = 0;
};

// What the search tells the window that shows it. Every hook is optional.
class PassSearchListener {
  public:
    virtual ~PassSearchListener() = default;
    // The search begins: hide the dialog, show the pass list window.
    virtual void searchStarted() {}
    // Progress of the search (the pass list window's caption).
    virtual void progress(const PassSearchProgress& /*progress*/) {}
    // Text of the status bar above the list (the column heading).
    virtual void setStatusHeading(const std::string& /*heading*/) {}
    virtual void clearList() {}
    virtual void appendListLine(const std::string& /*line*/) {}
    // Whether appendListLine wants the lines of the finished list (false: they are not
    // made; the list is read from PassList()).
    virtual bool listsLines() const { return true; }
    // Repaint the list once while it is being filled.
    virtual void repaintList() {}
    // Let the user interface process pending input (repaints, the right-button abort):
    // every 40 ms while the workers search.
    virtual void processPendingEvents() {}
    // Read the night limits once before the search ("maximale Sonnenhöhe",
    // "Grenzhelligkeit mag"); false when a field is not a number: the search ends
    // there (the listener has shown the conversion error).
    virtual bool readNightLimits(double& /*maxSunAltitudeDeg*/, double& /*limitingMagnitude*/) {
        return true;
    }
    // The search ends with an error message (a field that is not a number, or no
    // selected satellite could be searched: the text names each with its reason).
    virtual void searchFailed(const std::string& /*message*/) {}
    // Nights left out because the Sun never got down to the limit: one German text
    // naming them (NightsWithoutDarknessText), shown once before the result.
    virtual void nightsWithoutDarkness(const std::string& /*text*/) {}
    // No pass at all: show "keine Durchgänge", disable "Durchgang zeigen", hide the list.
    virtual void noPasses() {}
    // At least one pass: enable "Durchgang zeigen".
    virtual void passesFound(int /*count*/) {}
    // Some satellites could not be searched (unreadable or impossible elements, an
    // orbit that fails): one German summary text naming each of them, shown once
    // after the search.
    virtual void satellitesSkipped(const std::string& /*summaryText*/) {}
};

// Runs the search for the satellites of Satellites().selectedSets over the nights
// starting at Shown().currentJD (night mode, at most kMaxSearchNights) or the
// window of PassWindow() (duration mode, at most kMaxSearchMinutes). The listener's
// satellitesSkipped() hears once, at the end, of the sets left out; when every selected
// set was left out the search fails instead (searchFailed() with the same reasons), so
// that no failure reads as "keine Durchgänge". The search leaves the
// date texts, the observer's siderealHours and the shared Sun alone;
// Tracking().trackedSatellite becomes -1 when no pass was found.
PassSearchResult PassSearch(const PassSearchParameters& parameters, PassSearchListener& listener);

// PassSearch in its parts, for a window that runs RunPassSearch on a thread of its own
// and stays responsive meanwhile: BeginPassSearch tells the listener that the search
// starts, empties PassList(), reads the night limits (nothing when a field is not a
// number: the search has failed) and takes the snapshot; once RunPassSearch has ended,
// FinishPassSearch (on the window's thread) makes the list PassList(), sets
// PassWindow() to the last night searched and tells the listener the outcome, as
// PassSearch does.
std::optional<PassSearchSnapshot> BeginPassSearch(const PassSearchParameters& parameters,
                                                  PassSearchListener& listener);
PassSearchResult FinishPassSearch(const PassSearchSnapshot& snapshot, PassSearchFinding finding,
                                  PassSearchListener& listener);

// True while a search of PassSearch (or one a window runs, SetRunningPassSearch) runs:
// a second start is refused.
bool PassSearchActive();
// Asks the running search to stop; it stops within a few propagations, also in the
// middle of a satellite (listing what it found so far).
void RequestPassSearchAbort();
// A window that runs the search in its parts marks it running with its control from
// BeginPassSearch until FinishPassSearch has ended, then clears it (nullptr).
void SetRunningPassSearch(PassSearchControl* control);

// The summary of the skipped satellites for a message box or stderr, one line per
// satellite ("Zeile 12: NAME: reason"); empty when none was skipped.
std::string SkippedSatellitesText(const std::vector<SkippedSatellite>& skipped);
// The same when no selected satellite could be searched at all ("Keiner der 3
// ausgewählten Satelliten ließ sich berechnen:", then a line per satellite).
std::string NoSatelliteSearchedText(const std::vector<SkippedSatellite>& skipped);
inline constexpr const char* kSkippedCaption = "Satelliten übersprungen";
inline constexpr const char* kNoDarknessCaption = "kein dunkler Himmel";
inline constexpr const char* kNoPassesText =
    "Für die ausgewählten Satelliten gibt es keine Durchgänge";
inline constexpr const char* kNoPassesCaption = "keine Durchgänge";
