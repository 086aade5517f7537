/* Ids of the progress dialog template, shared by the resource script and the code. */
#pragma once

#define UPDATE_DIALOG 101
#define UPDATE_SOURCE_TEXT 1000
#define UPDATE_DESTINATION_TEXT 1001
#define UPDATE_PROGRESS_BAR 1002
