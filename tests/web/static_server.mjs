// A static web server for a folder, on a free port of this machine, that a test can stop
// outright (the network cut under a page that has loaded from it).
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';

const kTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
  '.zip': 'application/zip', '.exe': 'application/octet-stream', '.deb': 'application/vnd.debian.binary-package',
};

// Resolves to {url, port, stop()} once the server listens, on the port given or a free one.
export function serveFolder(folder, port = 0) {
  const server = createServer((request, response) => {
    let path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    if (path.endsWith('/')) path += 'index.html';
    const file = join(folder, path);
    let size;
    try {
      size = statSync(file).size;
    } catch {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': kTypes[extname(file)] || 'application/octet-stream',
                              'Content-Length': size });
    if (request.method === 'HEAD') response.end();
    else createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => {
    server.listen(port, '127.0.0.1', () => resolve({
      url: `http://127.0.0.1:${server.address().port}/`,
      port: server.address().port,
      stop: () => new Promise((done) => { server.close(done); server.closeAllConnections(); }),
    }));
  });
}
