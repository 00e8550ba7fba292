document.title = 'external ran';
