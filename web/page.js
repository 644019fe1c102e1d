// The page around the game: the canvas and its size, full screen, the
// browser-side folder for user files, and the goodbye when the game ends.
// Runs before emscripten's own start-up code (--pre-js).

var Module = typeof Module !== 'undefined' ? Module : {};

(function () {
  // Where the game puts user files when its data folder is read-only:
  // $XDG_DATA_HOME/larder2 with emscripten's HOME.
  var USER_FOLDER = '/home/web_user/.local/share/larder2';
  var PICTURE_W = 800, PICTURE_H = 600;

  var canvas = document.getElementById('canvas');
  Module.canvas = canvas;
  // Music and samples are decoded from the packed files when the game loads
  // them; emscripten need not warn that the browser did not preload them.
  Module.noAudioDecoding = true;
  window.larderFrames = 0;

  function say(text) {
    var notice = document.getElementById('notice');
    if (notice) notice.textContent = text;
  }

  // The picture is shown at the largest whole multiple of its size that fits
  // the page (smaller than 1x only when the page is); bars fill the rest.
  // Mouse positions are taken back to picture pixels by emscripten's SDL.
  var sizeRule = document.createElement('style');
  document.head.appendChild(sizeRule);
  function fit() {
    var across = window.innerWidth / PICTURE_W, down = window.innerHeight / PICTURE_H;
    var scale = Math.min(across, down);
    if (scale >= 1) scale = Math.floor(scale);
    sizeRule.textContent = '#canvas { width: ' + Math.floor(PICTURE_W * scale) + 'px; height: ' +
      Math.floor(PICTURE_H * scale) + 'px; }';
  }
  window.addEventListener('resize', fit);
  fit();

  function toggleFullscreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else Module.requestFullscreen(false, false);
    canvas.focus();
  }
  document.getElementById('fullscreen').addEventListener('click', toggleFullscreen);
  // F11 is the page's, as it is the window's on the desktop: the game never
  // sees it (listened for before emscripten's SDL listens).
  ['keydown', 'keyup'].forEach(function (type) {
    window.addEventListener(type, function (event) {
      if (event.key !== 'F11') return;
      event.preventDefault();
      event.stopImmediatePropagation();
      if (type === 'keydown' && !event.repeat) toggleFullscreen();
    }, true);
  });
  canvas.addEventListener('mousedown', function () { canvas.focus(); });
  // Browsers hold a page's sound until the player first presses a key or
  // clicks; then the game's audio context (emscripten's SDL) may play.
  function wakeAudio() {
    if (typeof SDL !== 'undefined' && SDL.audioContext && SDL.audioContext.state === 'suspended')
      SDL.audioContext.resume();
  }
  window.addEventListener('keydown', wakeAudio, true);
  window.addEventListener('mousedown', wakeAudio, true);

  // User files live in IndexedDB behind the file system: read back before
  // the game starts, written out shortly after a file there was written,
  // renamed or removed. Storage that is refused or full costs the files
  // their persistence, never the game.
  var syncPending = false, syncing = false, syncAgain = false, syncFailed = false;
  function syncOut() {
    syncPending = false;
    if (syncing) { // one write-out at a time; another follows this one
      syncAgain = true;
      return;
    }
    syncing = true;
    // A storage that aborts its transaction (full, for one) may never
    // answer: after a while that counts as a refusal.
    var answered = false;
    var watchdog = setTimeout(function () { finish(new Error('no answer')); }, 15000);
    function finish(error) {
      if (answered) return;
      answered = true;
      clearTimeout(watchdog);
      syncing = false;
      if (syncAgain) {
        syncAgain = false;
        setTimeout(syncOut, 0);
      }
      if (error) {
        if (!syncFailed) console.warn('WARN) Browser storage refused the user files (' + (error.message || error) +
                                      '); they last until the page is closed');
        syncFailed = true;
        say('Browser storage is full or refused: scores and maps are kept until the page is closed.');
      } else if (syncFailed) {
        syncFailed = false;
        say('');
      }
    }
    FS.syncfs(false, finish);
  }
  function changed(path) {
    if (typeof path !== 'string' || path.indexOf(USER_FOLDER) !== 0) return;
    if (!syncPending) {
      syncPending = true;
      setTimeout(syncOut, 0); // after the game's write, rename and all, has run
    }
    if (/\.bmp$/.test(path)) setTimeout(function () { offer(path); }, 0);
  }
  // A screenshot (F2, or the console's sshot) is also handed to the player
  // as a download: the browser's storage is out of their reach.
  function offer(path) {
    try {
      var link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([FS.readFile(path)], {type: 'image/bmp'}));
      link.download = path.substring(path.lastIndexOf('/') + 1);
      link.click();
      setTimeout(function () { URL.revokeObjectURL(link.href); }, 10000);
    } catch (e) {
      console.warn('WARN) Couldn\'t offer ' + path + ' for download: ' + e);
    }
  }
  Module.preRun = Module.preRun || [];
  Module.preRun.push(function () {
    FS.mkdirTree(USER_FOLDER);
    FS.mount(IDBFS, {}, USER_FOLDER);
    addRunDependency('user-files');
    FS.syncfs(true, function (error) {
      if (error) {
        console.warn('WARN) Browser storage cannot be read (' + (error.message || error) +
                     '); user files last until the page is closed');
        say('Browser storage is not available: scores and maps are kept until the page is closed.');
      }
      watchWrites();
      removeRunDependency('user-files');
    });
    window.larderFS = FS; // for the page's tests
  });

  // From the start of the game on (the files read back are not news).
  function watchWrites() {
    var close = FS.close, rename = FS.rename, unlink = FS.unlink;
    FS.close = function (stream) {
      var written = stream && (stream.flags & 3) !== 0;
      var result = close.apply(this, arguments);
      if (written) changed(stream.path);
      return result;
    };
    FS.rename = function (from, to) { var r = rename.apply(this, arguments); changed(to); return r; };
    FS.unlink = function (path) { var r = unlink.apply(this, arguments); changed(path); return r; };
  }

  Module.setStatus = function (text) {
    var status = document.getElementById('status');
    if (status) status.textContent = text;
  };
  Module.monitorRunDependencies = function (left) {
    if (left === 0) Module.setStatus('');
  };
  Module.onRuntimeInitialized = function () {
    Module.setStatus('');
    canvas.focus();
  };

  // The game has left its menu: the picture gives way to a goodbye.
  Module.gameEnded = function () {
    if (syncPending) syncOut();
    document.getElementById('stage').style.display = 'none';
    document.getElementById('bar').style.display = 'none';
    document.getElementById('thanks').style.display = 'flex';
    console.log('Thanks for playing');
  };
})();
