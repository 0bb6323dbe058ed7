#pragma once

#include <QJsonObject>

class H2NetModel;
class B0NetModel;
class G2NetModel;

// The batch tool's form of a chart control, as the user sees it:
// a table {"title", "fixedRows", "widths", "rows", "colors", "merges"} with every row
// (fixed rows first) and every column, a colour "#rrggbb" or null where the cell is
// unfilled; a bar chart {"labels", "values", "bandCount", "scale"} over categories 1...

// Fixed rows carry the header colour they are painted with; only visible merged
// captions are listed. The title of a scrolling table is "".
QJsonObject TableToJson(const H2NetModel &table);
// A titled table has no fixed rows and no merged cells.
QJsonObject TableToJson(const B0NetModel &table);
// The object that goes under "bars": the labels of row 0 and the values of the first
// series; a value that is not a number is null. The scale is written with the digits it
// was set with (0.225, not 0.22499999403953552).
QJsonObject BarsToJson(const G2NetModel &chart);
