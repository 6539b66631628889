#pragma once

// The ids that every menu item, accelerator, context-menu entry and calculator
// key command carries to the frame's one command handler.
namespace orrery::command {

inline constexpr int kBackToCalculator = 40;
inline constexpr int kBack = 33;
inline constexpr int kSketch = 34;
inline constexpr int kReset = 30;
inline constexpr int kLastCurve = 568;
inline constexpr int kNextCurve = 570;

inline constexpr int kAbout = 120;
inline constexpr int kTipOfTheDay = 125;
inline constexpr int kHelp = 130;
inline constexpr int kNew = 160;
inline constexpr int kOpen = 170;
inline constexpr int kSave = 180;
inline constexpr int kSaveAs = 190;
inline constexpr int kExport = 195;
inline constexpr int kExit = 200;
inline constexpr int kSetColors = 220;
inline constexpr int kPrint = 600;
inline constexpr int kCopyGraph = 650;
inline constexpr int kCopyResult = 655;
inline constexpr int kUndo = 656;
inline constexpr int kRedo = 657;
inline constexpr int kToolTips = 670;
inline constexpr int kRestoreDefaults = 680;
inline constexpr int kSplitScreen = 690;
inline constexpr int kOpenProfile = 696;
inline constexpr int kZoomIn = 740;
inline constexpr int kZoomOut = 745;
inline constexpr int kReverseZoom = 750;
inline constexpr int kCurveLook = 770;
inline constexpr int kDomainsRange = 780;
inline constexpr int kDifferentiate = 910;
inline constexpr int kIntegrate = 920;
inline constexpr int kAnalysis = 930;       // zeros, extrema and intersections
inline constexpr int kTableOfValues = 935;
inline constexpr int kQuickEvaluate = 1140;
inline constexpr int kNormalDistribution = 1230;
inline constexpr int kFDistribution = 1253;
inline constexpr int kTDistribution = 1330;
inline constexpr int kChiSquareDistribution = 1420;
inline constexpr int kPolynomialFit = 1480;
inline constexpr int kPasteResult = 1650;
inline constexpr int kPasteText = 1651;  // the clipboard's text, typed
inline constexpr int kExponentialFit = 1670;
inline constexpr int kConversions = 1700;
inline constexpr int kCompoundInterest = 1820;
inline constexpr int kGraphText = 1990;
inline constexpr int kRecentFirst = 2080;  // the file now open, greyed
inline constexpr int kRecentLast = 2089;
inline constexpr int kMatrices = 2100;
inline constexpr int kVectors = 2162;

}  // namespace orrery::command
