#pragma once

// How far an assembly got. Higher is worse; every stage consults it before it runs.
enum JobStatus : int {
  STATUS_OK = 0,
  STATUS_WARNINGS = 1,
  STATUS_ERRORS = 2,
  STATUS_CANCELED = 3,
  STATUS_FILE_ERROR = 4,
  STATUS_NO_MEMORY = 5,
};
