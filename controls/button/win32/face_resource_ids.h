#pragma once

// The six face pictures of the button, as bitmap resources of the program
// that makes buttons.
#define IDB_FACE_NORMAL 201
#define IDB_FACE_HIGHLIGHT 202
#define IDB_FACE_HIGHLIGHTSELECT 203
#define IDB_FACE_SELECTED 204
#define IDB_FACE_PRESSED 205
#define IDB_FACE_DISABLE 206
