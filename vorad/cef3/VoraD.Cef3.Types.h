// C declarations of the browser runtime's 3.2623 interface: basic types, strings, the
// reference-counting header, enumerations and plain records. Layouts are those of 32-bit
// Windows; the same declarations compile for x86_64 (used by the tests), where pointer-sized
// members grow and the 32-bit size checks are not applied.
#ifndef VORAD_CEF3_TYPES_H
#define VORAD_CEF3_TYPES_H

#include <stddef.h>
#include <stdint.h>
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#define CEF3_STATIC_ASSERT(cond, what) static_assert(cond, what)
#else
#define CEF3_STATIC_ASSERT(cond, what) _Static_assert(cond, what)
#endif

// Entries of runtime structures are __stdcall; exported functions are __cdecl. Both are
// ignored on x86_64, where there is one convention.
#define CEF_CALLBACK __stdcall
#define CEF_EXPORT __cdecl

// One UTF-16 code unit; MinGW's wchar_t is 16 bits wide.
typedef wchar_t cef_char_t;
CEF3_STATIC_ASSERT(sizeof(cef_char_t) == 2, "cef_char_t is one UTF-16 unit");

typedef uint32_t cef_color_t;  // ARGB: alpha in bits 24-31, blue in bits 0-7
typedef HWND cef_window_handle_t;
typedef HCURSOR cef_cursor_handle_t;
typedef MSG* cef_event_handle_t;
typedef void* cef_text_input_context_t;
typedef DWORD cef_platform_thread_id_t;
typedef DWORD cef_platform_thread_handle_t;  // an integer, not a HANDLE, on Windows

// Opaque string collections, created and freed only by the runtime's functions.
typedef void* cef_string_list_t;
typedef void* cef_string_map_t;
typedef void* cef_string_multimap_t;

// Strings: `length` counts code units of the string's type; `dtor` (the only __cdecl
// callback of the interface) frees `str` in the module that allocated it, null when the
// string does not own its buffer. `str` need not be zero-terminated.
typedef struct _cef_string_wide_t {
  wchar_t* str;
  size_t length;
  void (*dtor)(wchar_t* str);
} cef_string_wide_t;

typedef struct _cef_string_utf8_t {
  char* str;
  size_t length;
  void (*dtor)(char* str);
} cef_string_utf8_t;

typedef struct _cef_string_utf16_t {
  cef_char_t* str;
  size_t length;
  void (*dtor)(cef_char_t* str);
} cef_string_utf16_t;

typedef cef_string_utf16_t cef_string_t;

// A user-free string is allocated by the runtime and freed by the receiver with the matching
// cef_string_userfree_*_free; null stands for an empty string.
typedef cef_string_wide_t* cef_string_userfree_wide_t;
typedef cef_string_utf8_t* cef_string_userfree_utf8_t;
typedef cef_string_utf16_t* cef_string_userfree_utf16_t;
typedef cef_string_userfree_utf16_t cef_string_userfree_t;

// The header every reference-counted structure begins with. `size` holds the size of the
// whole enclosing structure; `release` returns 1 when it dropped the last reference.
typedef struct _cef_base_t {
  size_t size;
  void(CEF_CALLBACK* add_ref)(struct _cef_base_t* self);
  int(CEF_CALLBACK* release)(struct _cef_base_t* self);
  int(CEF_CALLBACK* has_one_ref)(struct _cef_base_t* self);
} cef_base_t;

// ---- Enumerations (every enum type is 4 bytes)

typedef enum {
  LOGSEVERITY_DEFAULT = 0,
  LOGSEVERITY_VERBOSE = 1,
  LOGSEVERITY_INFO = 2,
  LOGSEVERITY_WARNING = 3,
  LOGSEVERITY_ERROR = 4,
  LOGSEVERITY_DISABLE = 99,
} cef_log_severity_t;

typedef enum {
  STATE_DEFAULT = 0,
  STATE_ENABLED = 1,
  STATE_DISABLED = 2,
} cef_state_t;

typedef enum {
  RV_CANCEL = 0,
  RV_CONTINUE = 1,
  RV_CONTINUE_ASYNC = 2,
} cef_return_value_t;

typedef enum {
  TS_ABNORMAL_TERMINATION = 0,
  TS_PROCESS_WAS_KILLED = 1,
  TS_PROCESS_CRASHED = 2,
} cef_termination_status_t;

typedef enum {
  PK_DIR_CURRENT = 0,
  PK_DIR_EXE = 1,
  PK_DIR_MODULE = 2,
  PK_DIR_TEMP = 3,
  PK_FILE_EXE = 4,
  PK_FILE_MODULE = 5,
  PK_LOCAL_APP_DATA = 6,
  PK_USER_DATA = 7,
} cef_path_key_t;

typedef enum {
  ST_LOCALSTORAGE = 0,
  ST_SESSIONSTORAGE = 1,
} cef_storage_type_t;

typedef enum {
  ERR_NONE = 0,
  ERR_FAILED = -2,
  ERR_ABORTED = -3,
  ERR_INVALID_ARGUMENT = -4,
  ERR_INVALID_HANDLE = -5,
  ERR_FILE_NOT_FOUND = -6,
  ERR_TIMED_OUT = -7,
  ERR_FILE_TOO_BIG = -8,
  ERR_UNEXPECTED = -9,
  ERR_ACCESS_DENIED = -10,
  ERR_NOT_IMPLEMENTED = -11,
  ERR_CONNECTION_CLOSED = -100,
  ERR_CONNECTION_RESET = -101,
  ERR_CONNECTION_REFUSED = -102,
  ERR_CONNECTION_ABORTED = -103,
  ERR_CONNECTION_FAILED = -104,
  ERR_NAME_NOT_RESOLVED = -105,
  ERR_INTERNET_DISCONNECTED = -106,
  ERR_SSL_PROTOCOL_ERROR = -107,
  ERR_ADDRESS_INVALID = -108,
  ERR_ADDRESS_UNREACHABLE = -109,
  ERR_SSL_CLIENT_AUTH_CERT_NEEDED = -110,
  ERR_TUNNEL_CONNECTION_FAILED = -111,
  ERR_NO_SSL_VERSIONS_ENABLED = -112,
  ERR_SSL_VERSION_OR_CIPHER_MISMATCH = -113,
  ERR_SSL_RENEGOTIATION_REQUESTED = -114,
  ERR_CERT_COMMON_NAME_INVALID = -200,
  ERR_CERT_BEGIN = -200,
  ERR_CERT_DATE_INVALID = -201,
  ERR_CERT_AUTHORITY_INVALID = -202,
  ERR_CERT_CONTAINS_ERRORS = -203,
  ERR_CERT_NO_REVOCATION_MECHANISM = -204,
  ERR_CERT_UNABLE_TO_CHECK_REVOCATION = -205,
  ERR_CERT_REVOKED = -206,
  ERR_CERT_INVALID = -207,
  ERR_CERT_WEAK_SIGNATURE_ALGORITHM = -208,
  ERR_CERT_NON_UNIQUE_NAME = -210,
  ERR_CERT_WEAK_KEY = -211,
  ERR_CERT_NAME_CONSTRAINT_VIOLATION = -212,
  ERR_CERT_VALIDITY_TOO_LONG = -213,
  ERR_CERT_END = -213,
  ERR_INVALID_URL = -300,
  ERR_DISALLOWED_URL_SCHEME = -301,
  ERR_UNKNOWN_URL_SCHEME = -302,
  ERR_TOO_MANY_REDIRECTS = -310,
  ERR_UNSAFE_REDIRECT = -311,
  ERR_UNSAFE_PORT = -312,
  ERR_INVALID_RESPONSE = -320,
  ERR_INVALID_CHUNKED_ENCODING = -321,
  ERR_METHOD_NOT_SUPPORTED = -322,
  ERR_UNEXPECTED_PROXY_AUTH = -323,
  ERR_EMPTY_RESPONSE = -324,
  ERR_RESPONSE_HEADERS_TOO_BIG = -325,
  ERR_CACHE_MISS = -400,
  ERR_INSECURE_RESPONSE = -501,
} cef_errorcode_t;

typedef enum {
  CERT_STATUS_NONE = 0,
  CERT_STATUS_COMMON_NAME_INVALID = 0x1,
  CERT_STATUS_DATE_INVALID = 0x2,
  CERT_STATUS_AUTHORITY_INVALID = 0x4,
  CERT_STATUS_NO_REVOCATION_MECHANISM = 0x10,
  CERT_STATUS_UNABLE_TO_CHECK_REVOCATION = 0x20,
  CERT_STATUS_REVOKED = 0x40,
  CERT_STATUS_INVALID = 0x80,
  CERT_STATUS_WEAK_SIGNATURE_ALGORITHM = 0x100,
  CERT_STATUS_NON_UNIQUE_NAME = 0x400,
  CERT_STATUS_WEAK_KEY = 0x800,
  CERT_STATUS_PINNED_KEY_MISSING = 0x2000,
  CERT_STATUS_NAME_CONSTRAINT_VIOLATION = 0x4000,
  CERT_STATUS_VALIDITY_TOO_LONG = 0x8000,
  CERT_STATUS_IS_EV = 0x10000,
  CERT_STATUS_REV_CHECKING_ENABLED = 0x20000,
  CERT_STATUS_SHA1_SIGNATURE_PRESENT = 0x80000,
  CERT_STATUS_CT_COMPLIANCE_FAILED = 0x100000,
} cef_cert_status_t;

typedef enum {
  WOD_UNKNOWN = 0,
  WOD_SUPPRESS_OPEN = 1,
  WOD_CURRENT_TAB = 2,
  WOD_SINGLETON_TAB = 3,
  WOD_NEW_FOREGROUND_TAB = 4,
  WOD_NEW_BACKGROUND_TAB = 5,
  WOD_NEW_POPUP = 6,
  WOD_NEW_WINDOW = 7,
  WOD_SAVE_TO_DISK = 8,
  WOD_OFF_THE_RECORD = 9,
  WOD_IGNORE_ACTION = 10,
} cef_window_open_disposition_t;

typedef enum {
  DRAG_OPERATION_NONE = 0,
  DRAG_OPERATION_COPY = 1,
  DRAG_OPERATION_LINK = 2,
  DRAG_OPERATION_GENERIC = 4,
  DRAG_OPERATION_PRIVATE = 8,
  DRAG_OPERATION_MOVE = 16,
  DRAG_OPERATION_DELETE = 32,
  DRAG_OPERATION_EVERY = (int)0xFFFFFFFF,
} cef_drag_operations_mask_t;

typedef enum {
  V8_ACCESS_CONTROL_DEFAULT = 0,
  V8_ACCESS_CONTROL_ALL_CAN_READ = 1,
  V8_ACCESS_CONTROL_ALL_CAN_WRITE = 0x2,
  V8_ACCESS_CONTROL_PROHIBITS_OVERWRITING = 0x4,
} cef_v8_accesscontrol_t;

typedef enum {
  V8_PROPERTY_ATTRIBUTE_NONE = 0,
  V8_PROPERTY_ATTRIBUTE_READONLY = 0x1,
  V8_PROPERTY_ATTRIBUTE_DONTENUM = 0x2,
  V8_PROPERTY_ATTRIBUTE_DONTDELETE = 0x4,
} cef_v8_propertyattribute_t;

typedef enum {
  PDE_TYPE_EMPTY = 0,
  PDE_TYPE_BYTES = 1,
  PDE_TYPE_FILE = 2,
} cef_postdataelement_type_t;

typedef enum {
  RT_MAIN_FRAME = 0,
  RT_SUB_FRAME = 1,
  RT_STYLESHEET = 2,
  RT_SCRIPT = 3,
  RT_IMAGE = 4,
  RT_FONT_RESOURCE = 5,
  RT_SUB_RESOURCE = 6,
  RT_OBJECT = 7,
  RT_MEDIA = 8,
  RT_WORKER = 9,
  RT_SHARED_WORKER = 10,
  RT_PREFETCH = 11,
  RT_FAVICON = 12,
  RT_XHR = 13,
  RT_PING = 14,
  RT_SERVICE_WORKER = 15,
  RT_CSP_REPORT = 16,
  RT_PLUGIN_RESOURCE = 17,
} cef_resource_type_t;

typedef enum {
  TT_LINK = 0,
  TT_EXPLICIT = 1,
  TT_AUTO_SUBFRAME = 3,
  TT_MANUAL_SUBFRAME = 4,
  TT_FORM_SUBMIT = 7,
  TT_RELOAD = 8,
  TT_SOURCE_MASK = 0xFF,
  TT_BLOCKED_FLAG = 0x800000,
  TT_FORWARD_BACK_FLAG = 0x1000000,
  TT_CHAIN_START_FLAG = 0x10000000,
  TT_CHAIN_END_FLAG = 0x20000000,
  TT_CLIENT_REDIRECT_FLAG = 0x40000000,
  TT_SERVER_REDIRECT_FLAG = (int)0x80000000,
  TT_IS_REDIRECT_MASK = (int)0xC0000000,
  TT_QUALIFIER_MASK = (int)0xFFFFFF00,
} cef_transition_type_t;

typedef enum {
  UR_FLAG_NONE = 0,
  UR_FLAG_SKIP_CACHE = 0x1,
  UR_FLAG_ALLOW_CACHED_CREDENTIALS = 0x2,
  UR_FLAG_REPORT_UPLOAD_PROGRESS = 0x8,
  UR_FLAG_NO_DOWNLOAD_DATA = 0x40,
  UR_FLAG_NO_RETRY_ON_5XX = 0x80,
} cef_urlrequest_flags_t;

typedef enum {
  UR_UNKNOWN = 0,
  UR_SUCCESS = 1,
  UR_IO_PENDING = 2,
  UR_CANCELED = 3,
  UR_FAILED = 4,
} cef_urlrequest_status_t;

typedef enum {
  PID_BROWSER = 0,
  PID_RENDERER = 1,
} cef_process_id_t;

typedef enum {
  TID_UI = 0,
  TID_DB = 1,
  TID_FILE = 2,
  TID_FILE_USER_BLOCKING = 3,
  TID_PROCESS_LAUNCHER = 4,
  TID_CACHE = 5,
  TID_IO = 6,
  TID_RENDERER = 7,
} cef_thread_id_t;

typedef enum {
  VTYPE_INVALID = 0,
  VTYPE_NULL = 1,
  VTYPE_BOOL = 2,
  VTYPE_INT = 3,
  VTYPE_DOUBLE = 4,
  VTYPE_STRING = 5,
  VTYPE_BINARY = 6,
  VTYPE_DICTIONARY = 7,
  VTYPE_LIST = 8,
} cef_value_type_t;

typedef enum {
  JSDIALOGTYPE_ALERT = 0,
  JSDIALOGTYPE_CONFIRM = 1,
  JSDIALOGTYPE_PROMPT = 2,
} cef_jsdialog_type_t;

typedef enum {
  MENU_ID_BACK = 100,
  MENU_ID_FORWARD = 101,
  MENU_ID_RELOAD = 102,
  MENU_ID_RELOAD_NOCACHE = 103,
  MENU_ID_STOPLOAD = 104,
  MENU_ID_UNDO = 110,
  MENU_ID_REDO = 111,
  MENU_ID_CUT = 112,
  MENU_ID_COPY = 113,
  MENU_ID_PASTE = 114,
  MENU_ID_DELETE = 115,
  MENU_ID_SELECT_ALL = 116,
  MENU_ID_FIND = 130,
  MENU_ID_PRINT = 131,
  MENU_ID_VIEW_SOURCE = 132,
  MENU_ID_SPELLCHECK_SUGGESTION_0 = 200,
  MENU_ID_SPELLCHECK_SUGGESTION_1 = 201,
  MENU_ID_SPELLCHECK_SUGGESTION_2 = 202,
  MENU_ID_SPELLCHECK_SUGGESTION_3 = 203,
  MENU_ID_SPELLCHECK_SUGGESTION_4 = 204,
  MENU_ID_SPELLCHECK_SUGGESTION_LAST = 204,
  MENU_ID_NO_SPELLING_SUGGESTIONS = 205,
  MENU_ID_ADD_TO_DICTIONARY = 206,
  MENU_ID_CUSTOM_FIRST = 220,
  MENU_ID_CUSTOM_LAST = 250,
  MENU_ID_USER_FIRST = 26500,
  MENU_ID_USER_LAST = 28500,
} cef_menu_id_t;

typedef enum {
  MBT_LEFT = 0,
  MBT_MIDDLE = 1,
  MBT_RIGHT = 2,
} cef_mouse_button_type_t;

typedef enum {
  PET_VIEW = 0,
  PET_POPUP = 1,
} cef_paint_element_type_t;

typedef enum {
  EVENTFLAG_NONE = 0,
  EVENTFLAG_CAPS_LOCK_ON = 0x1,
  EVENTFLAG_SHIFT_DOWN = 0x2,
  EVENTFLAG_CONTROL_DOWN = 0x4,
  EVENTFLAG_ALT_DOWN = 0x8,
  EVENTFLAG_LEFT_MOUSE_BUTTON = 0x10,
  EVENTFLAG_MIDDLE_MOUSE_BUTTON = 0x20,
  EVENTFLAG_RIGHT_MOUSE_BUTTON = 0x40,
  EVENTFLAG_COMMAND_DOWN = 0x80,
  EVENTFLAG_NUM_LOCK_ON = 0x100,
  EVENTFLAG_IS_KEY_PAD = 0x200,
  EVENTFLAG_IS_LEFT = 0x400,
  EVENTFLAG_IS_RIGHT = 0x800,
} cef_event_flags_t;

typedef enum {
  MENUITEMTYPE_NONE = 0,
  MENUITEMTYPE_COMMAND = 1,
  MENUITEMTYPE_CHECK = 2,
  MENUITEMTYPE_RADIO = 3,
  MENUITEMTYPE_SEPARATOR = 4,
  MENUITEMTYPE_SUBMENU = 5,
} cef_menu_item_type_t;

typedef enum {
  CM_TYPEFLAG_NONE = 0,
  CM_TYPEFLAG_PAGE = 0x1,
  CM_TYPEFLAG_FRAME = 0x2,
  CM_TYPEFLAG_LINK = 0x4,
  CM_TYPEFLAG_MEDIA = 0x8,
  CM_TYPEFLAG_SELECTION = 0x10,
  CM_TYPEFLAG_EDITABLE = 0x20,
} cef_context_menu_type_flags_t;

typedef enum {
  CM_MEDIATYPE_NONE = 0,
  CM_MEDIATYPE_IMAGE = 1,
  CM_MEDIATYPE_VIDEO = 2,
  CM_MEDIATYPE_AUDIO = 3,
  CM_MEDIATYPE_FILE = 4,
  CM_MEDIATYPE_PLUGIN = 5,
} cef_context_menu_media_type_t;

typedef enum {
  CM_MEDIAFLAG_NONE = 0,
  CM_MEDIAFLAG_ERROR = 0x1,
  CM_MEDIAFLAG_PAUSED = 0x2,
  CM_MEDIAFLAG_MUTED = 0x4,
  CM_MEDIAFLAG_LOOP = 0x8,
  CM_MEDIAFLAG_CAN_SAVE = 0x10,
  CM_MEDIAFLAG_HAS_AUDIO = 0x20,
  CM_MEDIAFLAG_HAS_VIDEO = 0x40,
  CM_MEDIAFLAG_CONTROL_ROOT_ELEMENT = 0x80,
  CM_MEDIAFLAG_CAN_PRINT = 0x100,
  CM_MEDIAFLAG_CAN_ROTATE = 0x200,
} cef_context_menu_media_state_flags_t;

typedef enum {
  CM_EDITFLAG_NONE = 0,
  CM_EDITFLAG_CAN_UNDO = 0x1,
  CM_EDITFLAG_CAN_REDO = 0x2,
  CM_EDITFLAG_CAN_CUT = 0x4,
  CM_EDITFLAG_CAN_COPY = 0x8,
  CM_EDITFLAG_CAN_PASTE = 0x10,
  CM_EDITFLAG_CAN_DELETE = 0x20,
  CM_EDITFLAG_CAN_SELECT_ALL = 0x40,
  CM_EDITFLAG_CAN_TRANSLATE = 0x80,
} cef_context_menu_edit_state_flags_t;

typedef enum {
  KEYEVENT_RAWKEYDOWN = 0,
  KEYEVENT_KEYDOWN = 1,
  KEYEVENT_KEYUP = 2,
  KEYEVENT_CHAR = 3,
} cef_key_event_type_t;

typedef enum {
  FOCUS_SOURCE_NAVIGATION = 0,
  FOCUS_SOURCE_SYSTEM = 1,
} cef_focus_source_t;

typedef enum {
  NAVIGATION_LINK_CLICKED = 0,
  NAVIGATION_FORM_SUBMITTED = 1,
  NAVIGATION_BACK_FORWARD = 2,
  NAVIGATION_RELOAD = 3,
  NAVIGATION_FORM_RESUBMITTED = 4,
  NAVIGATION_OTHER = 5,
} cef_navigation_type_t;

typedef enum {
  XML_ENCODING_NONE = 0,
  XML_ENCODING_UTF8 = 1,
  XML_ENCODING_UTF16LE = 2,
  XML_ENCODING_UTF16BE = 3,
  XML_ENCODING_ASCII = 4,
} cef_xml_encoding_type_t;

typedef enum {
  XML_NODE_UNSUPPORTED = 0,
  XML_NODE_PROCESSING_INSTRUCTION = 1,
  XML_NODE_DOCUMENT_TYPE = 2,
  XML_NODE_ELEMENT_START = 3,
  XML_NODE_ELEMENT_END = 4,
  XML_NODE_ATTRIBUTE = 5,
  XML_NODE_TEXT = 6,
  XML_NODE_CDATA = 7,
  XML_NODE_ENTITY_REFERENCE = 8,
  XML_NODE_WHITESPACE = 9,
  XML_NODE_COMMENT = 10,
} cef_xml_node_type_t;

typedef enum {
  DOM_DOCUMENT_TYPE_UNKNOWN = 0,
  DOM_DOCUMENT_TYPE_HTML = 1,
  DOM_DOCUMENT_TYPE_XHTML = 2,
  DOM_DOCUMENT_TYPE_PLUGIN = 3,
} cef_dom_document_type_t;

typedef enum {
  DOM_EVENT_CATEGORY_UNKNOWN = 0,
  DOM_EVENT_CATEGORY_UI = 0x1,
  DOM_EVENT_CATEGORY_MOUSE = 0x2,
  DOM_EVENT_CATEGORY_MUTATION = 0x4,
  DOM_EVENT_CATEGORY_KEYBOARD = 0x8,
  DOM_EVENT_CATEGORY_TEXT = 0x10,
  DOM_EVENT_CATEGORY_COMPOSITION = 0x20,
  DOM_EVENT_CATEGORY_DRAG = 0x40,
  DOM_EVENT_CATEGORY_CLIPBOARD = 0x80,
  DOM_EVENT_CATEGORY_MESSAGE = 0x100,
  DOM_EVENT_CATEGORY_WHEEL = 0x200,
  DOM_EVENT_CATEGORY_BEFORE_TEXT_INSERTED = 0x400,
  DOM_EVENT_CATEGORY_OVERFLOW = 0x800,
  DOM_EVENT_CATEGORY_PAGE_TRANSITION = 0x1000,
  DOM_EVENT_CATEGORY_POPSTATE = 0x2000,
  DOM_EVENT_CATEGORY_PROGRESS = 0x4000,
  DOM_EVENT_CATEGORY_XMLHTTPREQUEST_PROGRESS = 0x8000,
} cef_dom_event_category_t;

typedef enum {
  DOM_EVENT_PHASE_UNKNOWN = 0,
  DOM_EVENT_PHASE_CAPTURING = 1,
  DOM_EVENT_PHASE_AT_TARGET = 2,
  DOM_EVENT_PHASE_BUBBLING = 3,
} cef_dom_event_phase_t;

typedef enum {
  DOM_NODE_TYPE_UNSUPPORTED = 0,
  DOM_NODE_TYPE_ELEMENT = 1,
  DOM_NODE_TYPE_ATTRIBUTE = 2,
  DOM_NODE_TYPE_TEXT = 3,
  DOM_NODE_TYPE_CDATA_SECTION = 4,
  DOM_NODE_TYPE_PROCESSING_INSTRUCTIONS = 5,
  DOM_NODE_TYPE_COMMENT = 6,
  DOM_NODE_TYPE_DOCUMENT = 7,
  DOM_NODE_TYPE_DOCUMENT_TYPE = 8,
  DOM_NODE_TYPE_DOCUMENT_FRAGMENT = 9,
} cef_dom_node_type_t;

typedef enum {
  FILE_DIALOG_OPEN = 0,
  FILE_DIALOG_OPEN_MULTIPLE = 1,
  FILE_DIALOG_OPEN_FOLDER = 2,
  FILE_DIALOG_SAVE = 3,
  FILE_DIALOG_TYPE_MASK = 0xFF,
  FILE_DIALOG_OVERWRITEPROMPT_FLAG = 0x1000000,
  FILE_DIALOG_HIDEREADONLY_FLAG = 0x2000000,
} cef_file_dialog_mode_t;

typedef enum {
  GEOPOSITON_ERROR_NONE = 0,
  GEOPOSITON_ERROR_PERMISSION_DENIED = 1,
  GEOPOSITON_ERROR_POSITION_UNAVAILABLE = 2,
  GEOPOSITON_ERROR_TIMEOUT = 3,
} cef_geoposition_error_code_t;

typedef enum {
  COLOR_MODEL_UNKNOWN = 0,
  COLOR_MODEL_GRAY = 1,
  COLOR_MODEL_COLOR = 2,
  COLOR_MODEL_CMYK = 3,
  COLOR_MODEL_CMY = 4,
  COLOR_MODEL_KCMY = 5,
  COLOR_MODEL_CMY_K = 6,
  COLOR_MODEL_BLACK = 7,
  COLOR_MODEL_GRAYSCALE = 8,
  COLOR_MODEL_RGB = 9,
  COLOR_MODEL_RGB16 = 10,
  COLOR_MODEL_RGBA = 11,
  COLOR_MODEL_COLORMODE_COLOR = 12,
  COLOR_MODEL_COLORMODE_MONOCHROME = 13,
  COLOR_MODEL_HP_COLOR_COLOR = 14,
  COLOR_MODEL_HP_COLOR_BLACK = 15,
  COLOR_MODEL_PRINTOUTMODE_NORMAL = 16,
  COLOR_MODEL_PRINTOUTMODE_NORMAL_GRAY = 17,
  COLOR_MODEL_PROCESSCOLORMODEL_CMYK = 18,
  COLOR_MODEL_PROCESSCOLORMODEL_GREYSCALE = 19,
  COLOR_MODEL_PROCESSCOLORMODEL_RGB = 20,
} cef_color_model_t;

typedef enum {
  DUPLEX_MODE_UNKNOWN = -1,
  DUPLEX_MODE_SIMPLEX = 0,
  DUPLEX_MODE_LONG_EDGE = 1,
  DUPLEX_MODE_SHORT_EDGE = 2,
} cef_duplex_mode_t;

typedef enum {
  CT_POINTER = 0,
  CT_CROSS = 1,
  CT_HAND = 2,
  CT_IBEAM = 3,
  CT_WAIT = 4,
  CT_HELP = 5,
  CT_EASTRESIZE = 6,
  CT_NORTHRESIZE = 7,
  CT_NORTHEASTRESIZE = 8,
  CT_NORTHWESTRESIZE = 9,
  CT_SOUTHRESIZE = 10,
  CT_SOUTHEASTRESIZE = 11,
  CT_SOUTHWESTRESIZE = 12,
  CT_WESTRESIZE = 13,
  CT_NORTHSOUTHRESIZE = 14,
  CT_EASTWESTRESIZE = 15,
  CT_NORTHEASTSOUTHWESTRESIZE = 16,
  CT_NORTHWESTSOUTHEASTRESIZE = 17,
  CT_COLUMNRESIZE = 18,
  CT_ROWRESIZE = 19,
  CT_MIDDLEPANNING = 20,
  CT_EASTPANNING = 21,
  CT_NORTHPANNING = 22,
  CT_NORTHEASTPANNING = 23,
  CT_NORTHWESTPANNING = 24,
  CT_SOUTHPANNING = 25,
  CT_SOUTHEASTPANNING = 26,
  CT_SOUTHWESTPANNING = 27,
  CT_WESTPANNING = 28,
  CT_MOVE = 29,
  CT_VERTICALTEXT = 30,
  CT_CELL = 31,
  CT_CONTEXTMENU = 32,
  CT_ALIAS = 33,
  CT_PROGRESS = 34,
  CT_NODROP = 35,
  CT_COPY = 36,
  CT_NONE = 37,
  CT_NOTALLOWED = 38,
  CT_ZOOMIN = 39,
  CT_ZOOMOUT = 40,
  CT_GRAB = 41,
  CT_GRABBING = 42,
  CT_CUSTOM = 43,
} cef_cursor_type_t;

typedef enum {
  UU_NONE = 0,
  UU_NORMAL = 1,
  UU_SPACES = 2,
  UU_URL_SPECIAL_CHARS = 4,
  UU_CONTROL_CHARS = 8,
  UU_REPLACE_PLUS_WITH_SPACE = 16,
} cef_uri_unescape_rule_t;

typedef enum {
  JSON_PARSER_RFC = 0,
  JSON_PARSER_ALLOW_TRAILING_COMMAS = 0x1,
} cef_json_parser_options_t;

typedef enum {
  JSON_NO_ERROR = 0,
  JSON_INVALID_ESCAPE = 1,
  JSON_SYNTAX_ERROR = 2,
  JSON_UNEXPECTED_TOKEN = 3,
  JSON_TRAILING_COMMA = 4,
  JSON_TOO_MUCH_NESTING = 5,
  JSON_UNEXPECTED_DATA_AFTER_ROOT = 6,
  JSON_UNSUPPORTED_ENCODING = 7,
  JSON_UNQUOTED_DICTIONARY_KEY = 8,
  JSON_PARSE_ERROR_COUNT = 9,
} cef_json_parser_error_t;

typedef enum {
  JSON_WRITER_DEFAULT = 0,
  JSON_WRITER_OMIT_BINARY_VALUES = 0x1,
  JSON_WRITER_OMIT_DOUBLE_TYPE_PRESERVATION = 0x2,
  JSON_WRITER_PRETTY_PRINT = 0x4,
} cef_json_writer_options_t;

typedef enum {
  PDF_PRINT_MARGIN_DEFAULT = 0,
  PDF_PRINT_MARGIN_NONE = 1,
  PDF_PRINT_MARGIN_MINIMUM = 2,
  PDF_PRINT_MARGIN_CUSTOM = 3,
} cef_pdf_print_margin_type_t;

typedef enum {
  SCALE_FACTOR_NONE = 0,
  SCALE_FACTOR_100P = 1,
  SCALE_FACTOR_125P = 2,
  SCALE_FACTOR_133P = 3,
  SCALE_FACTOR_140P = 4,
  SCALE_FACTOR_150P = 5,
  SCALE_FACTOR_180P = 6,
  SCALE_FACTOR_200P = 7,
  SCALE_FACTOR_250P = 8,
  SCALE_FACTOR_300P = 9,
} cef_scale_factor_t;

typedef enum {
  PLUGIN_POLICY_ALLOW = 0,
  PLUGIN_POLICY_DETECT_IMPORTANT = 1,
  PLUGIN_POLICY_BLOCK = 2,
  PLUGIN_POLICY_DISABLE = 3,
} cef_plugin_policy_t;

typedef enum {
  REFERRER_POLICY_ALWAYS = 0,
  REFERRER_POLICY_DEFAULT = 1,
  REFERRER_POLICY_NO_REFERRER_WHEN_DOWNGRADE = 2,
  REFERRER_POLICY_NEVER = 3,
  REFERRER_POLICY_ORIGIN = 4,
  REFERRER_POLICY_ORIGIN_WHEN_CROSS_ORIGIN = 5,
} cef_referrer_policy_t;

typedef enum {
  RESPONSE_FILTER_NEED_MORE_DATA = 0,
  RESPONSE_FILTER_DONE = 1,
  RESPONSE_FILTER_ERROR = 2,
} cef_response_filter_status_t;

// ---- Plain records. Each is declared from one table of its members, M(R, type, name, offset
// on i386), which on i386 also checks every member's offset; CEF3_RECORD_LAYOUT adds the size.
#define CEF3_MEMBER(record, type, name, offset) type name;
#if defined(__i386__)
#define CEF3_MEMBER_OFFSET(record, type, name, offset) \
  CEF3_STATIC_ASSERT(offsetof(record, name) == offset, #record "." #name " offset");
#define CEF3_RECORD_LAYOUT(record, size, MEMBERS) \
  CEF3_STATIC_ASSERT(sizeof(record) == size, #record " size"); \
  MEMBERS(CEF3_MEMBER_OFFSET, record)
#else
#define CEF3_RECORD_LAYOUT(record, size, MEMBERS)
#endif

#define CEF3_TIME_MEMBERS(M, R) \
  M(R, int, year, 0) \
  M(R, int, month, 4) \
  M(R, int, day_of_week, 8) \
  M(R, int, day_of_month, 12) \
  M(R, int, hour, 16) \
  M(R, int, minute, 20) \
  M(R, int, second, 24) \
  M(R, int, millisecond, 28)
typedef struct _cef_time_t {
  CEF3_TIME_MEMBERS(CEF3_MEMBER, cef_time_t)
} cef_time_t;
CEF3_RECORD_LAYOUT(cef_time_t, 32, CEF3_TIME_MEMBERS)

#define CEF3_POINT_MEMBERS(M, R) \
  M(R, int, x, 0) \
  M(R, int, y, 4)
typedef struct _cef_point_t {
  CEF3_POINT_MEMBERS(CEF3_MEMBER, cef_point_t)
} cef_point_t;
CEF3_RECORD_LAYOUT(cef_point_t, 8, CEF3_POINT_MEMBERS)

#define CEF3_RECT_MEMBERS(M, R) \
  M(R, int, x, 0) \
  M(R, int, y, 4) \
  M(R, int, width, 8) \
  M(R, int, height, 12)
typedef struct _cef_rect_t {
  CEF3_RECT_MEMBERS(CEF3_MEMBER, cef_rect_t)
} cef_rect_t;
CEF3_RECORD_LAYOUT(cef_rect_t, 16, CEF3_RECT_MEMBERS)

#define CEF3_SIZE_MEMBERS(M, R) \
  M(R, int, width, 0) \
  M(R, int, height, 4)
typedef struct _cef_size_t {
  CEF3_SIZE_MEMBERS(CEF3_MEMBER, cef_size_t)
} cef_size_t;
CEF3_RECORD_LAYOUT(cef_size_t, 8, CEF3_SIZE_MEMBERS)

#define CEF3_SETTINGS_MEMBERS(M, R) \
  M(R, size_t, size, 0) \
  M(R, int, single_process, 4) \
  M(R, int, no_sandbox, 8) \
  M(R, cef_string_t, browser_subprocess_path, 12) \
  M(R, int, multi_threaded_message_loop, 24) \
  M(R, int, windowless_rendering_enabled, 28) \
  M(R, int, command_line_args_disabled, 32) \
  M(R, cef_string_t, cache_path, 36) \
  M(R, cef_string_t, user_data_path, 48) \
  M(R, int, persist_session_cookies, 60) \
  M(R, int, persist_user_preferences, 64) \
  M(R, cef_string_t, user_agent, 68) \
  M(R, cef_string_t, product_version, 80) \
  M(R, cef_string_t, locale, 92) \
  M(R, cef_string_t, log_file, 104) \
  M(R, cef_log_severity_t, log_severity, 116) \
  M(R, cef_string_t, javascript_flags, 120) \
  M(R, cef_string_t, resources_dir_path, 132) \
  M(R, cef_string_t, locales_dir_path, 144) \
  M(R, int, pack_loading_disabled, 156) \
  M(R, int, remote_debugging_port, 160) \
  M(R, int, uncaught_exception_stack_size, 164) \
  M(R, int, context_safety_implementation, 168) \
  M(R, int, ignore_certificate_errors, 172) \
  M(R, cef_color_t, background_color, 176) \
  M(R, cef_string_t, accept_language_list, 180)
typedef struct _cef_settings_t {
  CEF3_SETTINGS_MEMBERS(CEF3_MEMBER, cef_settings_t)
} cef_settings_t;
CEF3_RECORD_LAYOUT(cef_settings_t, 192, CEF3_SETTINGS_MEMBERS)

#define CEF3_REQUEST_CONTEXT_SETTINGS_MEMBERS(M, R) \
  M(R, size_t, size, 0) \
  M(R, cef_string_t, cache_path, 4) \
  M(R, int, persist_session_cookies, 16) \
  M(R, int, persist_user_preferences, 20) \
  M(R, int, ignore_certificate_errors, 24) \
  M(R, cef_string_t, accept_language_list, 28)
typedef struct _cef_request_context_settings_t {
  CEF3_REQUEST_CONTEXT_SETTINGS_MEMBERS(CEF3_MEMBER, cef_request_context_settings_t)
} cef_request_context_settings_t;
CEF3_RECORD_LAYOUT(cef_request_context_settings_t, 40, CEF3_REQUEST_CONTEXT_SETTINGS_MEMBERS)

#define CEF3_BROWSER_SETTINGS_MEMBERS(M, R) \
  M(R, size_t, size, 0) \
  M(R, int, windowless_frame_rate, 4) \
  M(R, cef_string_t, standard_font_family, 8) \
  M(R, cef_string_t, fixed_font_family, 20) \
  M(R, cef_string_t, serif_font_family, 32) \
  M(R, cef_string_t, sans_serif_font_family, 44) \
  M(R, cef_string_t, cursive_font_family, 56) \
  M(R, cef_string_t, fantasy_font_family, 68) \
  M(R, int, default_font_size, 80) \
  M(R, int, default_fixed_font_size, 84) \
  M(R, int, minimum_font_size, 88) \
  M(R, int, minimum_logical_font_size, 92) \
  M(R, cef_string_t, default_encoding, 96) \
  M(R, cef_state_t, remote_fonts, 108) \
  M(R, cef_state_t, javascript, 112) \
  M(R, cef_state_t, javascript_open_windows, 116) \
  M(R, cef_state_t, javascript_close_windows, 120) \
  M(R, cef_state_t, javascript_access_clipboard, 124) \
  M(R, cef_state_t, javascript_dom_paste, 128) \
  M(R, cef_state_t, caret_browsing, 132) \
  M(R, cef_state_t, plugins, 136) \
  M(R, cef_state_t, universal_access_from_file_urls, 140) \
  M(R, cef_state_t, file_access_from_file_urls, 144) \
  M(R, cef_state_t, web_security, 148) \
  M(R, cef_state_t, image_loading, 152) \
  M(R, cef_state_t, image_shrink_standalone_to_fit, 156) \
  M(R, cef_state_t, text_area_resize, 160) \
  M(R, cef_state_t, tab_to_links, 164) \
  M(R, cef_state_t, local_storage, 168) \
  M(R, cef_state_t, databases, 172) \
  M(R, cef_state_t, application_cache, 176) \
  M(R, cef_state_t, webgl, 180) \
  M(R, cef_color_t, background_color, 184) \
  M(R, cef_string_t, accept_language_list, 188)
typedef struct _cef_browser_settings_t {
  CEF3_BROWSER_SETTINGS_MEMBERS(CEF3_MEMBER, cef_browser_settings_t)
} cef_browser_settings_t;
CEF3_RECORD_LAYOUT(cef_browser_settings_t, 200, CEF3_BROWSER_SETTINGS_MEMBERS)

#define CEF3_URLPARTS_MEMBERS(M, R) \
  M(R, cef_string_t, spec, 0) \
  M(R, cef_string_t, scheme, 12) \
  M(R, cef_string_t, username, 24) \
  M(R, cef_string_t, password, 36) \
  M(R, cef_string_t, host, 48) \
  M(R, cef_string_t, port, 60) \
  M(R, cef_string_t, origin, 72) \
  M(R, cef_string_t, path, 84) \
  M(R, cef_string_t, query, 96)
typedef struct _cef_urlparts_t {
  CEF3_URLPARTS_MEMBERS(CEF3_MEMBER, cef_urlparts_t)
} cef_urlparts_t;
CEF3_RECORD_LAYOUT(cef_urlparts_t, 108, CEF3_URLPARTS_MEMBERS)

#define CEF3_COOKIE_MEMBERS(M, R) \
  M(R, cef_string_t, name, 0) \
  M(R, cef_string_t, value, 12) \
  M(R, cef_string_t, domain, 24) \
  M(R, cef_string_t, path, 36) \
  M(R, int, secure, 48) \
  M(R, int, httponly, 52) \
  M(R, cef_time_t, creation, 56) \
  M(R, cef_time_t, last_access, 88) \
  M(R, int, has_expires, 120) \
  M(R, cef_time_t, expires, 124)
typedef struct _cef_cookie_t {
  CEF3_COOKIE_MEMBERS(CEF3_MEMBER, cef_cookie_t)
} cef_cookie_t;
CEF3_RECORD_LAYOUT(cef_cookie_t, 156, CEF3_COOKIE_MEMBERS)

#define CEF3_DRAGGABLE_REGION_MEMBERS(M, R) \
  M(R, cef_rect_t, bounds, 0) \
  M(R, int, draggable, 16)
typedef struct _cef_draggable_region_t {
  CEF3_DRAGGABLE_REGION_MEMBERS(CEF3_MEMBER, cef_draggable_region_t)
} cef_draggable_region_t;
CEF3_RECORD_LAYOUT(cef_draggable_region_t, 20, CEF3_DRAGGABLE_REGION_MEMBERS)

#define CEF3_SCREEN_INFO_MEMBERS(M, R) \
  M(R, float, device_scale_factor, 0) \
  M(R, int, depth, 4) \
  M(R, int, depth_per_component, 8) \
  M(R, int, is_monochrome, 12) \
  M(R, cef_rect_t, rect, 16) \
  M(R, cef_rect_t, available_rect, 32)
typedef struct _cef_screen_info_t {
  CEF3_SCREEN_INFO_MEMBERS(CEF3_MEMBER, cef_screen_info_t)
} cef_screen_info_t;
CEF3_RECORD_LAYOUT(cef_screen_info_t, 48, CEF3_SCREEN_INFO_MEMBERS)

#define CEF3_MOUSE_EVENT_MEMBERS(M, R) \
  M(R, int, x, 0) \
  M(R, int, y, 4) \
  M(R, uint32_t, modifiers, 8)
typedef struct _cef_mouse_event_t {
  CEF3_MOUSE_EVENT_MEMBERS(CEF3_MEMBER, cef_mouse_event_t)
} cef_mouse_event_t;
CEF3_RECORD_LAYOUT(cef_mouse_event_t, 12, CEF3_MOUSE_EVENT_MEMBERS)

#define CEF3_KEY_EVENT_MEMBERS(M, R) \
  M(R, cef_key_event_type_t, type, 0) \
  M(R, uint32_t, modifiers, 4) \
  M(R, int, windows_key_code, 8) \
  M(R, int, native_key_code, 12) \
  M(R, int, is_system_key, 16) \
  M(R, cef_char_t, character, 20) \
  M(R, cef_char_t, unmodified_character, 22) \
  M(R, int, focus_on_editable_field, 24)
typedef struct _cef_key_event_t {
  CEF3_KEY_EVENT_MEMBERS(CEF3_MEMBER, cef_key_event_t)
} cef_key_event_t;
CEF3_RECORD_LAYOUT(cef_key_event_t, 28, CEF3_KEY_EVENT_MEMBERS)

#define CEF3_POPUP_FEATURES_MEMBERS(M, R) \
  M(R, int, x, 0) \
  M(R, int, xSet, 4) \
  M(R, int, y, 8) \
  M(R, int, ySet, 12) \
  M(R, int, width, 16) \
  M(R, int, widthSet, 20) \
  M(R, int, height, 24) \
  M(R, int, heightSet, 28) \
  M(R, int, menuBarVisible, 32) \
  M(R, int, statusBarVisible, 36) \
  M(R, int, toolBarVisible, 40) \
  M(R, int, locationBarVisible, 44) \
  M(R, int, scrollbarsVisible, 48) \
  M(R, int, resizable, 52) \
  M(R, int, fullscreen, 56) \
  M(R, int, dialog, 60) \
  M(R, cef_string_list_t, additionalFeatures, 64)
typedef struct _cef_popup_features_t {
  CEF3_POPUP_FEATURES_MEMBERS(CEF3_MEMBER, cef_popup_features_t)
} cef_popup_features_t;
CEF3_RECORD_LAYOUT(cef_popup_features_t, 68, CEF3_POPUP_FEATURES_MEMBERS)

#define CEF3_GEOPOSITION_MEMBERS(M, R) \
  M(R, double, latitude, 0) \
  M(R, double, longitude, 8) \
  M(R, double, altitude, 16) \
  M(R, double, accuracy, 24) \
  M(R, double, altitude_accuracy, 32) \
  M(R, double, heading, 40) \
  M(R, double, speed, 48) \
  M(R, cef_time_t, timestamp, 56) \
  M(R, cef_geoposition_error_code_t, error_code, 88) \
  M(R, cef_string_t, error_message, 92)
typedef struct _cef_geoposition_t {
  CEF3_GEOPOSITION_MEMBERS(CEF3_MEMBER, cef_geoposition_t)
} cef_geoposition_t;
CEF3_RECORD_LAYOUT(cef_geoposition_t, 104, CEF3_GEOPOSITION_MEMBERS)

#define CEF3_PAGE_RANGE_MEMBERS(M, R) \
  M(R, int, from, 0) \
  M(R, int, to, 4)
typedef struct _cef_page_range_t {
  CEF3_PAGE_RANGE_MEMBERS(CEF3_MEMBER, cef_page_range_t)
} cef_page_range_t;
CEF3_RECORD_LAYOUT(cef_page_range_t, 8, CEF3_PAGE_RANGE_MEMBERS)

#define CEF3_CURSOR_INFO_MEMBERS(M, R) \
  M(R, cef_point_t, hotspot, 0) \
  M(R, float, image_scale_factor, 8) \
  M(R, void*, buffer, 12) \
  M(R, cef_size_t, size, 16)
typedef struct _cef_cursor_info_t {
  CEF3_CURSOR_INFO_MEMBERS(CEF3_MEMBER, cef_cursor_info_t)
} cef_cursor_info_t;
CEF3_RECORD_LAYOUT(cef_cursor_info_t, 24, CEF3_CURSOR_INFO_MEMBERS)

#define CEF3_PDF_PRINT_SETTINGS_MEMBERS(M, R) \
  M(R, cef_string_t, header_footer_title, 0) \
  M(R, cef_string_t, header_footer_url, 12) \
  M(R, int, page_width, 24) \
  M(R, int, page_height, 28) \
  M(R, double, margin_top, 32) \
  M(R, double, margin_right, 40) \
  M(R, double, margin_bottom, 48) \
  M(R, double, margin_left, 56) \
  M(R, cef_pdf_print_margin_type_t, margin_type, 64) \
  M(R, int, header_footer_enabled, 68) \
  M(R, int, selection_only, 72) \
  M(R, int, landscape, 76) \
  M(R, int, backgrounds_enabled, 80)
typedef struct _cef_pdf_print_settings_t {
  CEF3_PDF_PRINT_SETTINGS_MEMBERS(CEF3_MEMBER, cef_pdf_print_settings_t)
} cef_pdf_print_settings_t;
CEF3_RECORD_LAYOUT(cef_pdf_print_settings_t, 88, CEF3_PDF_PRINT_SETTINGS_MEMBERS)

#define CEF3_MAIN_ARGS_MEMBERS(M, R) \
  M(R, HINSTANCE, instance, 0)
typedef struct _cef_main_args_t {
  CEF3_MAIN_ARGS_MEMBERS(CEF3_MEMBER, cef_main_args_t)
} cef_main_args_t;
CEF3_RECORD_LAYOUT(cef_main_args_t, 4, CEF3_MAIN_ARGS_MEMBERS)

#define CEF3_WINDOW_INFO_MEMBERS(M, R) \
  M(R, DWORD, ex_style, 0) \
  M(R, cef_string_t, window_name, 4) \
  M(R, DWORD, style, 16) \
  M(R, int, x, 20) \
  M(R, int, y, 24) \
  M(R, int, width, 28) \
  M(R, int, height, 32) \
  M(R, cef_window_handle_t, parent_window, 36) \
  M(R, HMENU, menu, 40) \
  M(R, int, windowless_rendering_enabled, 44) \
  M(R, int, transparent_painting_enabled, 48) \
  M(R, cef_window_handle_t, window, 52)
typedef struct _cef_window_info_t {
  CEF3_WINDOW_INFO_MEMBERS(CEF3_MEMBER, cef_window_info_t)
} cef_window_info_t;
CEF3_RECORD_LAYOUT(cef_window_info_t, 56, CEF3_WINDOW_INFO_MEMBERS)

// ---- 32-bit layout checks of the strings, the header and the enumerations, as the runtime
// defines them (the plain records check theirs beside their members).
#if defined(__i386__)
CEF3_STATIC_ASSERT(sizeof(cef_string_wide_t) == 12, "cef_string_wide_t size");
CEF3_STATIC_ASSERT(offsetof(cef_string_wide_t, str) == 0, "cef_string_wide_t.str offset");
CEF3_STATIC_ASSERT(offsetof(cef_string_wide_t, length) == 4, "cef_string_wide_t.length offset");
CEF3_STATIC_ASSERT(offsetof(cef_string_wide_t, dtor) == 8, "cef_string_wide_t.dtor offset");
CEF3_STATIC_ASSERT(sizeof(cef_string_utf8_t) == 12, "cef_string_utf8_t size");
CEF3_STATIC_ASSERT(offsetof(cef_string_utf8_t, str) == 0, "cef_string_utf8_t.str offset");
CEF3_STATIC_ASSERT(offsetof(cef_string_utf8_t, length) == 4, "cef_string_utf8_t.length offset");
CEF3_STATIC_ASSERT(offsetof(cef_string_utf8_t, dtor) == 8, "cef_string_utf8_t.dtor offset");
CEF3_STATIC_ASSERT(sizeof(cef_string_utf16_t) == 12, "cef_string_utf16_t size");
CEF3_STATIC_ASSERT(offsetof(cef_string_utf16_t, str) == 0, "cef_string_utf16_t.str offset");
CEF3_STATIC_ASSERT(offsetof(cef_string_utf16_t, length) == 4, "cef_string_utf16_t.length offset");
CEF3_STATIC_ASSERT(offsetof(cef_string_utf16_t, dtor) == 8, "cef_string_utf16_t.dtor offset");
CEF3_STATIC_ASSERT(sizeof(cef_base_t) == 16, "cef_base_t size");
CEF3_STATIC_ASSERT(offsetof(cef_base_t, size) == 0, "cef_base_t.size offset");
CEF3_STATIC_ASSERT(offsetof(cef_base_t, add_ref) == 4, "cef_base_t.add_ref offset");
CEF3_STATIC_ASSERT(offsetof(cef_base_t, release) == 8, "cef_base_t.release offset");
CEF3_STATIC_ASSERT(offsetof(cef_base_t, has_one_ref) == 12, "cef_base_t.has_one_ref offset");
CEF3_STATIC_ASSERT(sizeof(cef_log_severity_t) == 4, "cef_log_severity_t size");
CEF3_STATIC_ASSERT(sizeof(cef_state_t) == 4, "cef_state_t size");
CEF3_STATIC_ASSERT(sizeof(cef_return_value_t) == 4, "cef_return_value_t size");
CEF3_STATIC_ASSERT(sizeof(cef_termination_status_t) == 4, "cef_termination_status_t size");
CEF3_STATIC_ASSERT(sizeof(cef_path_key_t) == 4, "cef_path_key_t size");
CEF3_STATIC_ASSERT(sizeof(cef_storage_type_t) == 4, "cef_storage_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_errorcode_t) == 4, "cef_errorcode_t size");
CEF3_STATIC_ASSERT(sizeof(cef_cert_status_t) == 4, "cef_cert_status_t size");
CEF3_STATIC_ASSERT(sizeof(cef_window_open_disposition_t) == 4, "cef_window_open_disposition_t size");
CEF3_STATIC_ASSERT(sizeof(cef_drag_operations_mask_t) == 4, "cef_drag_operations_mask_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8_accesscontrol_t) == 4, "cef_v8_accesscontrol_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8_propertyattribute_t) == 4, "cef_v8_propertyattribute_t size");
CEF3_STATIC_ASSERT(sizeof(cef_postdataelement_type_t) == 4, "cef_postdataelement_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_resource_type_t) == 4, "cef_resource_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_transition_type_t) == 4, "cef_transition_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_urlrequest_flags_t) == 4, "cef_urlrequest_flags_t size");
CEF3_STATIC_ASSERT(sizeof(cef_urlrequest_status_t) == 4, "cef_urlrequest_status_t size");
CEF3_STATIC_ASSERT(sizeof(cef_process_id_t) == 4, "cef_process_id_t size");
CEF3_STATIC_ASSERT(sizeof(cef_thread_id_t) == 4, "cef_thread_id_t size");
CEF3_STATIC_ASSERT(sizeof(cef_value_type_t) == 4, "cef_value_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_jsdialog_type_t) == 4, "cef_jsdialog_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_menu_id_t) == 4, "cef_menu_id_t size");
CEF3_STATIC_ASSERT(sizeof(cef_mouse_button_type_t) == 4, "cef_mouse_button_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_paint_element_type_t) == 4, "cef_paint_element_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_event_flags_t) == 4, "cef_event_flags_t size");
CEF3_STATIC_ASSERT(sizeof(cef_menu_item_type_t) == 4, "cef_menu_item_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_context_menu_type_flags_t) == 4, "cef_context_menu_type_flags_t size");
CEF3_STATIC_ASSERT(sizeof(cef_context_menu_media_type_t) == 4, "cef_context_menu_media_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_context_menu_media_state_flags_t) == 4, "cef_context_menu_media_state_flags_t size");
CEF3_STATIC_ASSERT(sizeof(cef_context_menu_edit_state_flags_t) == 4, "cef_context_menu_edit_state_flags_t size");
CEF3_STATIC_ASSERT(sizeof(cef_key_event_type_t) == 4, "cef_key_event_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_focus_source_t) == 4, "cef_focus_source_t size");
CEF3_STATIC_ASSERT(sizeof(cef_navigation_type_t) == 4, "cef_navigation_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_xml_encoding_type_t) == 4, "cef_xml_encoding_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_xml_node_type_t) == 4, "cef_xml_node_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_dom_document_type_t) == 4, "cef_dom_document_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_dom_event_category_t) == 4, "cef_dom_event_category_t size");
CEF3_STATIC_ASSERT(sizeof(cef_dom_event_phase_t) == 4, "cef_dom_event_phase_t size");
CEF3_STATIC_ASSERT(sizeof(cef_dom_node_type_t) == 4, "cef_dom_node_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_file_dialog_mode_t) == 4, "cef_file_dialog_mode_t size");
CEF3_STATIC_ASSERT(sizeof(cef_geoposition_error_code_t) == 4, "cef_geoposition_error_code_t size");
CEF3_STATIC_ASSERT(sizeof(cef_color_model_t) == 4, "cef_color_model_t size");
CEF3_STATIC_ASSERT(sizeof(cef_duplex_mode_t) == 4, "cef_duplex_mode_t size");
CEF3_STATIC_ASSERT(sizeof(cef_cursor_type_t) == 4, "cef_cursor_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_uri_unescape_rule_t) == 4, "cef_uri_unescape_rule_t size");
CEF3_STATIC_ASSERT(sizeof(cef_json_parser_options_t) == 4, "cef_json_parser_options_t size");
CEF3_STATIC_ASSERT(sizeof(cef_json_parser_error_t) == 4, "cef_json_parser_error_t size");
CEF3_STATIC_ASSERT(sizeof(cef_json_writer_options_t) == 4, "cef_json_writer_options_t size");
CEF3_STATIC_ASSERT(sizeof(cef_pdf_print_margin_type_t) == 4, "cef_pdf_print_margin_type_t size");
CEF3_STATIC_ASSERT(sizeof(cef_scale_factor_t) == 4, "cef_scale_factor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_plugin_policy_t) == 4, "cef_plugin_policy_t size");
CEF3_STATIC_ASSERT(sizeof(cef_referrer_policy_t) == 4, "cef_referrer_policy_t size");
CEF3_STATIC_ASSERT(sizeof(cef_response_filter_status_t) == 4, "cef_response_filter_status_t size");
#endif  // __i386__

#ifdef __cplusplus
}  // extern "C"
#endif

#endif  // VORAD_CEF3_TYPES_H
